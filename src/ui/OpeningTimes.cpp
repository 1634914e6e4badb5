#include "ui/OpeningTimes.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace tracelle::ui::openingTimes {

namespace {

void tell(const char* what) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::fprintf(stderr, "%s %lld.%09ld\n", what, static_cast<long long>(now.tv_sec), now.tv_nsec);
}

} // namespace

bool enabled() {
    static const bool on = std::getenv("TRACELLE_OPENING_TIMES") != nullptr;
    return on;
}

void pictureShown() {
    static bool told = false;
    if (!enabled() || told) return;
    told = true;
    tell("view");
}

bool questionAsked() {
    static bool told = false;
    if (!enabled()) return false;
    if (!told) tell("question");
    told = true;
    return true;
}

void idle() {
    if (!enabled()) return;
    QApplication::processEvents(); // what is shown, painted
    tell("idle");
    rusage used{};
    getrusage(RUSAGE_SELF, &used);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    std::fprintf(stderr, "cpu %.3f\n", seconds(used.ru_utime) + seconds(used.ru_stime));
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0 || line.rfind("VmHWM:", 0) == 0)
            std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    std::_Exit(0);
}

} // namespace tracelle::ui::openingTimes
