#include "files/TemporaryFiles.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <mutex>
#include <unistd.h>

namespace tracelle::files {

namespace {

// The paths a signal removes. Read by the handler, so plain atomic pointers, no allocation.
constexpr int kSlots = 64;
std::atomic<const char*> pending[kSlots];

constexpr int kSignals[] = {SIGTERM, SIGINT};
struct sigaction previous[std::size(kSignals)];

void removePending(int signal) {
    for (auto& slot : pending)
        if (const char* path = slot.load()) unlink(path);
    for (std::size_t k = 0; k < std::size(kSignals); ++k)
        if (kSignals[k] == signal) sigaction(signal, &previous[k], nullptr);
    // Delivered once this handler returns, to the disposition put back.
    raise(signal);
}

void installHandlers() {
    for (std::size_t k = 0; k < std::size(kSignals); ++k) {
        if (sigaction(kSignals[k], nullptr, &previous[k]) != 0) continue;
        if (!(previous[k].sa_flags & SA_SIGINFO) && previous[k].sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = removePending;
        sigemptyset(&action.sa_mask);
        sigaction(kSignals[k], &action, nullptr);
    }
}

// "NAME.~PID" with PID in digits: the process number, or 0 when the name is not of that form.
pid_t processOf(const std::string& name) {
    const auto mark = name.rfind(".~");
    if (mark == std::string::npos || mark == 0) return 0;
    const std::string digits = name.substr(mark + 2);
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::stol(digits));
}

} // namespace

std::string temporaryName(const std::string& path) {
    return path + ".~" + std::to_string(getpid());
}

RemovedOnSignal::RemovedOnSignal(const std::string& path) {
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    for (int k = 0; k < kSlots; ++k) {
        const char* free = nullptr;
        if (pending[k].compare_exchange_strong(free, path.c_str())) {
            slot_ = k;
            return;
        }
    }
}

RemovedOnSignal::~RemovedOnSignal() {
    if (slot_ >= 0) pending[slot_].store(nullptr);
}

void removeStaleTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t pid = processOf(it->path().filename().string());
        if (pid <= 0 || pid == getpid() || !it->is_regular_file(ec) || it->is_symlink(ec)) continue;
        // EPERM: a process of another user, which runs.
        if (kill(pid, 0) != 0 && errno == ESRCH) fs::remove(it->path(), ec);
    }
}

} // namespace tracelle::files
