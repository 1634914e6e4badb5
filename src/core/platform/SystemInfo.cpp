#include "platform/SystemInfo.h"

#include <cstdio>
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

// A 64-bit process sees 128 TiB of user address space.
constexpr std::uint64_t kUserAddressSpaceKB = (std::uint64_t{1} << 47) / 1024;

} // namespace

MemoryStatus parseMemoryStatus(const std::string& meminfo, const std::string& processStatus) {
    MemoryStatus s;
    s.totalPhysical = field(meminfo, "MemTotal");
    s.availablePhysical = field(meminfo, "MemAvailable");
    if (s.availablePhysical == 0) s.availablePhysical = field(meminfo, "MemFree");
    if (s.totalPhysical > 0 && s.availablePhysical <= s.totalPhysical)
        s.loadPercent = (s.totalPhysical - s.availablePhysical) * 100 / s.totalPhysical;
    s.totalPageFile = field(meminfo, "SwapTotal");
    s.availablePageFile = field(meminfo, "SwapFree");
    s.totalVirtual = kUserAddressSpaceKB;
    const std::uint64_t used = field(processStatus, "VmSize");
    s.availableVirtual = used < s.totalVirtual ? s.totalVirtual - used : 0;
    return s;
}

MemoryStatus readMemoryStatus() {
    return parseMemoryStatus(readWhole("/proc/meminfo"), readWhole("/proc/self/status"));
}

std::string groupThousands(std::uint64_t n, const std::string& separator) {
    if (n == 0) return {};
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

std::vector<std::string> memoryLines(const MemoryStatus& s, const std::string& separator) {
    const auto line = [&separator](const char* prefix, std::uint64_t n, const char* suffix) {
        return std::string(prefix) + groupThousands(n, separator) + suffix;
    };
    return {
        line("Mémoire totale : ", s.totalPhysical, " KB"),
        line("percent of memory in use ", s.loadPercent, " %"),
        line("free physical memory     ", s.availablePhysical, " KB"),
        line("free user bytes          ", s.availableVirtual, " KB"),
        line("bytes of paging file     ", s.totalPageFile, " KB"),
        line("sizeof(MEMORYSTATUS)     ", 32, " octets"),
        line("free bytes of paging file    ", s.availablePageFile, " KB"),
        line("user bytes of address space  ", s.totalVirtual, " KB"),
    };
}

std::string systemLine(const std::string& name, const std::string& kernelVersion) {
    int major = 0;
    int minor = 0;
    std::sscanf(kernelVersion.c_str(), "%d.%d", &major, &minor);
    return name + " " + std::to_string(major) + "." + std::to_string(minor);
}

} // namespace tracelle::platform
