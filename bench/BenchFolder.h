// A folder of the benchmark process's own for the files it writes.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

namespace tracelle::bench {

// Removed when the benchmark ends.
inline const std::filesystem::path& benchFolder() {
    struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("tracelle_bench_" + std::to_string(getpid()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder() { std::filesystem::remove_all(path); }
    };
    static const Folder folder;
    return folder.path;
}

} // namespace tracelle::bench
