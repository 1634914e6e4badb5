// Writing a file that replaces another: everything goes to a temporary file beside it, which
// is renamed over the target only once complete, so a failed save keeps the old file whole.
#pragma once

#include "files/TemporaryFiles.h"

#include <cstdio>
#include <string>

namespace tracelle::files {

// The system's reason for a failed read or write (an errno value), in the program's language.
std::string systemReason(int error);

class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile(); // a file never committed is removed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The temporary file, open for binary writing; null with `error` set when it cannot be made.
    std::FILE* open(std::string* error);
    // Writes to the temporary file; false when the system refuses, its reason kept for commit.
    bool write(const void* bytes, std::size_t size);
    // The message for a write refused now, by the stream or a library writing to it.
    std::string writeFailure() const;
    // Flushes, closes and renames; false with `error` set when any step fails.
    bool commit(std::string* error);
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string temporary_;
    RemovedOnSignal removal_{temporary_};
    std::FILE* file_ = nullptr;
    bool committed_ = false;
    int writeError_ = 0;
};

} // namespace tracelle::files
