#include "platform/Paths.h"
#include "platform/SystemInfo.h"
#include "platform/WheelSetting.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tracelle::platform;
namespace fs = std::filesystem;

namespace {

TEST(SystemInfo, MemoryLinesComeFromMeminfoWithGroupedDigits) {
    const std::string meminfo = "MemTotal:       24587652 kB\n"
                                "MemFree:         1000000 kB\n"
                                "MemAvailable:   12293826 kB\n"
                                "SwapTotal:       2097148 kB\n"
                                "SwapFree:              0 kB\n";
    const MemoryStatus s = parseMemoryStatus(meminfo, "Name:\ttracelle\nVmSize:\t  400000 kB\n");
    EXPECT_EQ(s.loadPercent, 50u);
    const auto lines = memoryLines(s, ".");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Mémoire totale : 24.587.652 KB");
    EXPECT_EQ(lines[1], "percent of memory in use 50 %");
    EXPECT_EQ(lines[2], "free physical memory     12.293.826 KB");
    EXPECT_EQ(lines[3], "free user bytes          137.438.553.472 KB");
    EXPECT_EQ(lines[4], "bytes of paging file     2.097.148 KB");
    EXPECT_EQ(lines[5], "sizeof(MEMORYSTATUS)     32 octets");
    EXPECT_EQ(lines[6], "free bytes of paging file     KB") << "0 writes no digit at all";
    EXPECT_EQ(lines[7], "user bytes of address space  137.438.953.472 KB");
    EXPECT_EQ(groupThousands(999, " "), "999");
    EXPECT_EQ(groupThousands(1000, " "), "1 000");
    EXPECT_GT(readMemoryStatus().totalPhysical, 0u);
}

TEST(SystemInfo, SystemLineNamesTheKernelMajorAndMinor) {
    EXPECT_EQ(systemLine("Debian GNU/Linux 12 (bookworm)", "6.1.0-18-amd64"),
              "Debian GNU/Linux 12 (bookworm) 6.1");
    EXPECT_EQ(systemLine("Linux", ""), "Linux 0.0");
}

TEST(WheelSetting, TheFileExistsExactlyWhenInverted) {
    const fs::path base =
        fs::temp_directory_path() / ("tracelle_wheel_test_" + std::to_string(getpid()));
    fs::remove_all(base);
    setenv("XDG_CONFIG_HOME", base.c_str(), 1);
    EXPECT_FALSE(wheelInverted());
    EXPECT_TRUE(saveWheelInverted(true));
    EXPECT_TRUE(wheelInverted());
    EXPECT_TRUE(saveWheelInverted(true));
    EXPECT_TRUE(saveWheelInverted(false));
    EXPECT_FALSE(wheelInverted());
    EXPECT_TRUE(saveWheelInverted(false));
    fs::remove_all(base);
    unsetenv("XDG_CONFIG_HOME");
}

} // namespace
