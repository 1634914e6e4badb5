// Bytes read piece by piece, so that a large part of a workbook is never held whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tracelle::files {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes into `into`: their count, 0 at the end, −1 on a failure that `error`
    // then tells the user.
    virtual std::int64_t read(char* into, std::size_t size) = 0;
    virtual const std::string& error() const = 0;
};

} // namespace tracelle::files
