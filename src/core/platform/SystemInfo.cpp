#include "platform/SystemInfo.h"

#include "platform/Language.h"

#include <fstream>
#include <sstream>

namespace tracelle::platform {

namespace {

// The value in kB of a "Key:   123 kB" line, 0 when absent.
std::uint64_t field(const std::string& text, const std::string& key) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            std::uint64_t value = 0;
            std::istringstream(line.substr(key.size() + 1)) >> value;
            return value;
        }
    }
    return 0;
}

std::string readWhole(const char* path) {
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace

std::string programVersion() {
    return TRACELLE_VERSION;
}

MemoryStatus parseMemoryStatus(const std::string& meminfo, const std::string& processStatus) {
    MemoryStatus s;
    s.totalPhysical = field(meminfo, "MemTotal");
    s.availablePhysical = field(meminfo, "MemAvailable");
    if (s.availablePhysical == 0) s.availablePhysical = field(meminfo, "MemFree");
    if (s.totalPhysical > 0 && s.availablePhysical <= s.totalPhysical)
        s.loadPercent = (s.totalPhysical - s.availablePhysical) * 100 / s.totalPhysical;
    s.totalSwap = field(meminfo, "SwapTotal");
    s.freeSwap = field(meminfo, "SwapFree");
    s.processResident = field(processStatus, "VmRSS");
    s.processVirtual = field(processStatus, "VmSize");
    return s;
}

MemoryStatus readMemoryStatus() {
    return parseMemoryStatus(readWhole("/proc/meminfo"), readWhole("/proc/self/status"));
}

std::string groupThousands(std::uint64_t n, const std::string& separator) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

std::vector<std::string> memoryLines(const MemoryStatus& s, const std::string& separator) {
    const auto line = [&separator](const char* pattern, std::uint64_t n) {
        return fill(pattern, {groupThousands(n, separator)});
    };
    return {
        line(translate("SystemInfo", "Mémoire totale : %1 Ko"), s.totalPhysical),
        line(translate("SystemInfo", "Mémoire utilisée : %1 %"), s.loadPercent),
        line(translate("SystemInfo", "Mémoire disponible : %1 Ko"), s.availablePhysical),
        line(translate("SystemInfo", "Mémoire d'échange (swap) : %1 Ko"), s.totalSwap),
        line(translate("SystemInfo", "Mémoire d'échange libre : %1 Ko"), s.freeSwap),
        line(translate("SystemInfo", "Mémoire occupée par Tracelle : %1 Ko"), s.processResident),
        line(translate("SystemInfo", "Mémoire réservée par Tracelle : %1 Ko"), s.processVirtual),
    };
}

std::string systemLine(const std::string& name, const std::string& kernelVersion) {
    if (kernelVersion.empty()) return fill(translate("SystemInfo", "Système : %1"), {name});
    return fill(translate("SystemInfo", "Système : %1, noyau %2"), {name, kernelVersion});
}

} // namespace tracelle::platform
