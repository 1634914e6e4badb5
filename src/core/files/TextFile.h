// The one way the program writes a text file: Windows-1252, through a temporary file renamed
// over the old one, so a failed save keeps the old file whole.
#pragma once

#include <string>

namespace tracelle::files {

// `text` is UTF-8 with its own line ends; "" on success, else the reason in French.
std::string writeTextFile(const std::string& path, const std::string& text);

} // namespace tracelle::files
