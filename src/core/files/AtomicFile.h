// Writing a file that replaces another: everything goes to a temporary file beside it, which
// is renamed over the target only once complete, so a failed save keeps the old file whole.
#pragma once

#include <cstdio>
#include <string>

namespace tracelle::files {

class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile(); // a file never committed is removed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The temporary file, open for binary writing; null with `error` set when it cannot be made.
    std::FILE* open(std::string* error);
    // Flushes, closes and renames; false with `error` set when any step fails.
    bool commit(std::string* error);
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

} // namespace tracelle::files
