// The readers open files by name: each input is written to one file of this process, in
// memory where the system has a memory-backed folder, and read from there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tracelle::fuzz {

inline std::string writeInput(const std::uint8_t* data, std::size_t size, const char* extension) {
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    const std::string path =
        folder + "/tracelle-fuzz-" + std::to_string(getpid()) + "." + extension;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
    return path;
}

inline std::string_view text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace tracelle::fuzz
