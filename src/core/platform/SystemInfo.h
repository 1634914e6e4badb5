// What the about box says of the running system: its name and version, and its memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tracelle::platform {

// Memory figures in units of 1024 bytes, but the load, in percent.
struct MemoryStatus {
    std::uint64_t totalPhysical = 0;
    std::uint64_t loadPercent = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t availableVirtual = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
    std::uint64_t totalVirtual = 0;
};

// From the texts of /proc/meminfo and /proc/self/status.
MemoryStatus parseMemoryStatus(const std::string& meminfo, const std::string& processStatus);
MemoryStatus readMemoryStatus();

// The "#,###" pattern: digits in groups of three; nothing at all for 0.
std::string groupThousands(std::uint64_t n, const std::string& separator);

// The eight memory lines of the about box, in their order.
std::vector<std::string> memoryLines(const MemoryStatus& status, const std::string& separator);

// "name major.minor" from the system's name and its kernel version text ("6.1.0-18-amd64").
std::string systemLine(const std::string& name, const std::string& kernelVersion);

} // namespace tracelle::platform
