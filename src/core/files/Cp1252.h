// Windows-1252 text, the encoding of the program's files, and the UTF-8 used inside.
#pragma once

#include <string>
#include <string_view>

namespace tracelle::files {

// Where the first byte above 127 is: the whole text, for the usual ASCII files.
std::size_t asciiPrefix(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);
// Bytes of a file as UTF-8: valid UTF-8 stays as it is, anything else is read as Windows-1252.
std::string fileTextToUtf8(std::string_view bytes);
std::string cp1252ToUtf8(std::string_view bytes);
// The same appended to `out`, for a reader that converts line by line.
void appendCp1252AsUtf8(std::string& out, std::string_view bytes);
// One character written as UTF-8 at the end of `out`.
void appendCodePointAsUtf8(std::string& out, char32_t c);
// A character that Windows-1252 cannot hold becomes "?"; U+0081, U+008D, U+008F, U+0090 and
// U+009D, which `cp1252ToUtf8` makes of the undefined bytes, become those bytes again.
std::string utf8ToCp1252(std::string_view text);

} // namespace tracelle::files
