// Temporary files "NAME.~PID", written beside the file they will replace (see AtomicFile):
// removed when SIGTERM or SIGINT ends the process that writes them, and by a later start when
// that process no longer runs (after SIGKILL or a power cut).
#pragma once

#include <string>

namespace tracelle::files {

// The temporary file of the target `path` for this process.
std::string temporaryName(const std::string& path);

// While it lives, the file at `path` (a string that must outlive it) is removed if SIGTERM or
// SIGINT ends the process. The signal then ends it as it would have: the handlers put the
// previous dispositions back and raise the signal again. A signal the process ignores is left
// ignored.
class RemovedOnSignal {
public:
    explicit RemovedOnSignal(const std::string& path);
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

private:
    int slot_ = -1; // none when every slot is taken
};

// Removes the regular files of `folder` named "NAME.~PID" whose process no longer runs.
void removeStaleTemporaries(const std::string& folder);

} // namespace tracelle::files
