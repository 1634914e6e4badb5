// The readers open files by name: each input is written to a file of this process, in memory
// where the system has a memory-backed folder, and read from there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tracelle::fuzz {

// A folder of this process's own: a reader that looks for companion files lists only its
// input's, and the folder goes with the process.
inline const std::string& processFolder() {
    // Never destroyed: the exit handler below runs after the destructors of local statics.
    static const std::string& folder = *new std::string([] {
        const std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string made = base + "/tracelle-fuzz-" + std::to_string(getpid());
        std::filesystem::create_directories(made);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(processFolder(), ec);
        });
        return made;
    }());
    return folder;
}

inline std::string writeInput(const std::uint8_t* data, std::size_t size, const char* extension) {
    const std::string path = processFolder() + "/entree." + extension;
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
