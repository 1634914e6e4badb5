// What the picture conversion saves: the format chosen in its radio group, the file name
// the save dialog proposes and the one finally written, and the writing itself.
#pragma once

#include "picture/Rgb24.h"

#include <string>

namespace tracelle::picture {

enum class OutputFormat { Jpeg, Bmp, Tif }; // the items "jpeg", "bmp", "tif"

// ".jpg", ".bmp" or ".tif".
const char* outputExtension(OutputFormat format);

// The source's file name without its folder, its extension replaced by the output's.
std::string proposedOutputName(const std::string& sourcePath, OutputFormat format);

// The file written for the name chosen in the save dialog: the output extension appended to
// a file name without a dot; for "tif" the extension replaced by ".tif". "jpeg" and "bmp"
// keep any other extension: the data follow the format, not the name.
std::string savedOutputName(const std::string& chosen, OutputFormat format);

// `picture` written to `path` in `format` (JPEG of quality 90), a row at a time. "" on
// success, else the reason; an existing file is then left as it was.
std::string writeConverted(const Rgb24Rows& picture, OutputFormat format, const std::string& path);

} // namespace tracelle::picture
