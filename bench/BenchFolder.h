// A folder of the benchmark process's own for the files it writes.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

namespace tracelle::bench {

inline const std::filesystem::path& benchFolder() {
    static const std::filesystem::path dir = [] {
        auto d =
            std::filesystem::temp_directory_path() / ("tracelle_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

} // namespace tracelle::bench
