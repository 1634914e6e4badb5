// What the about box says of the program and of the running system: their versions, and the
// memory of the system and of the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tracelle::platform {

// The program's version, "3.2".
std::string programVersion();

// Memory figures in units of 1024 bytes, but the load, in percent.
struct MemoryStatus {
    std::uint64_t totalPhysical = 0;
    std::uint64_t loadPercent = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalSwap = 0;
    std::uint64_t freeSwap = 0;
    std::uint64_t processResident = 0;
    std::uint64_t processVirtual = 0;
};

// From the texts of /proc/meminfo and /proc/self/status.
MemoryStatus parseMemoryStatus(const std::string& meminfo, const std::string& processStatus);
MemoryStatus readMemoryStatus();

// Digits in groups of three ("#,##0").
std::string groupThousands(std::uint64_t n, const std::string& separator);

// The memory lines of the about box, in their order.
std::vector<std::string> memoryLines(const MemoryStatus& status, const std::string& separator);

// "Système : name, noyau version" from the system's name and its kernel version text.
std::string systemLine(const std::string& name, const std::string& kernelVersion);

} // namespace tracelle::platform
