// The one way the program reads and writes a text file: Windows-1252, through a temporary file
// renamed over the old one, so a failed save keeps the old file whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tracelle::files {

// `text` is UTF-8 with its own line ends; "" on success, else the reason.
std::string writeTextFile(const std::string& path, const std::string& text);
// The bytes as they are: the program's own UTF-8 state files.
std::string writeBytesFile(const std::string& path, const std::string& bytes);

// The largest file read whole: ten times the project of a million points. A larger one is refused
// before it is read, with its size in the message.
inline constexpr std::uint64_t kMaxReadBytes = std::uint64_t{1} << 30;

// The message refusing a file of `bytes`, `most` being the largest read.
std::string tooLargeText(const std::string& path, std::uint64_t bytes, std::uint64_t most);

// The whole text of a file, as UTF-8 (a file that is not valid UTF-8 is read as
// Windows-1252); nothing, with the reason in `error`, when it cannot be read.
std::optional<std::string> readTextFile(const std::string& path, std::string* error);
// The bytes as they are, for a reader that converts only the lines that need it; `spare`
// bytes of room after them, for texts the reader adds without moving them.
std::optional<std::string> readBytesFile(const std::string& path, std::string* error,
                                         std::size_t spare = 0);

} // namespace tracelle::files
