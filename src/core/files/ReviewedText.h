// A text file shown to the user before an import reads it.
#pragma once

#include <optional>
#include <string>

namespace tracelle::files {

// The file's text as the user left it in the review, also kept as "~memo.txt"; nothing when
// the file cannot be read (the user is told why) or the review is cancelled.
std::optional<std::string> texteRevu(const std::string& path);

} // namespace tracelle::files
