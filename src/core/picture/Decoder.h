// Reading a picture file of any known format, recognised by its first bytes.
#pragma once

#include "picture/Decoded.h"
#include "picture/RowArrival.h"

#include <functional>
#include <string>

namespace tracelle::picture {

// Formats the codecs here do not read go to this decoder when one is installed.
using FallbackDecoder = std::function<Decoded(const std::string& path)>;
void setFallbackDecoder(FallbackDecoder decoder);

Decoded decodeFile(const std::string& path);
// Decodes into `into`, made the picture's size before `sized()` is called, telling `arrival` of
// the rows as they are written; "" or the reason it failed.
using RowIntoDecoder = std::string (*)(const std::string& path, Raster& into, int& sourceBits,
                                       RowArrival& arrival, const std::function<void()>& sized);
// The row-by-row decoder of the file's format, or null for the formats read whole.
RowIntoDecoder rowDecoderFor(const std::string& path);

// The message for a picture that could not be read: the file and the reason.
std::string decodeFailureMessage(const std::string& path, const std::string& reason);

} // namespace tracelle::picture
