// The small text files that come with a georeferenced picture, and the extraction of their
// fields from the front of the text.
#pragma once

#include <string>
#include <string_view>

namespace tracelle::georef {

// These are small text files: a larger one is not a descriptor.
inline constexpr std::size_t kMaxDescriptorBytes = 1 << 20;

struct DescriptorText {
    std::string text;  // the bytes as they are
    std::string error; // the message to show; empty when read
    bool ok() const { return error.empty(); }
};
DescriptorText lit_descripteur(const std::string& path);

// The field between `open` and `close` after `key`, the text consumed up to its closing
// delimiter; "?p1-p2  " + the rest when the field is empty or not found. With `numeric`, only
// the number characters are kept.
std::string extrait_entre(std::string& text, std::string_view key, std::string_view open,
                          std::string_view close, bool numeric);

} // namespace tracelle::georef
