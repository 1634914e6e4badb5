// Reading a picture file of any known format, recognised by its first bytes.
#pragma once

#include "picture/Decoded.h"

#include <functional>
#include <string>

namespace tracelle::picture {

// Formats the codecs here do not read go to this decoder when one is installed.
using FallbackDecoder = std::function<Decoded(const std::string& path)>;
void setFallbackDecoder(FallbackDecoder decoder);

Decoded decodeFile(const std::string& path);
// Whether the file's first bytes are a JPEG's.
bool isJpegFile(const std::string& path);

// The message for a picture that could not be read: the file and the reason.
std::string decodeFailureMessage(const std::string& path, const std::string& reason);

} // namespace tracelle::picture
