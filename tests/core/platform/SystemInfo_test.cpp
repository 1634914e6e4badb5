#include "platform/Paths.h"
#include "platform/SystemInfo.h"
#include "platform/WheelSetting.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace tracelle::platform;
namespace fs = std::filesystem;

namespace {

TEST(SystemInfo, MemoryLinesInFrenchWithEveryValueShown) {
    const std::string meminfo = "MemTotal:       24587652 kB\n"
                                "MemFree:         1000000 kB\n"
                                "MemAvailable:   12293826 kB\n"
                                "SwapTotal:       2097148 kB\n"
                                "SwapFree:              0 kB\n";
    const MemoryStatus s =
        parseMemoryStatus(meminfo, "Name:\ttracelle\nVmSize:\t  400000 kB\nVmRSS:\t   81234 kB\n");
    EXPECT_EQ(memoryLines(s, "."), (std::vector<std::string>{
                                       "Mémoire totale : 24.587.652 Ko",
                                       "Mémoire utilisée : 50 %",
                                       "Mémoire disponible : 12.293.826 Ko",
                                       "Mémoire d'échange (swap) : 2.097.148 Ko",
                                       "Mémoire d'échange libre : 0 Ko",
                                       "Mémoire occupée par Tracelle : 81.234 Ko",
                                       "Mémoire réservée par Tracelle : 400.000 Ko",
                                   }));
    for (const auto& [n, grouped] : std::vector<std::pair<std::uint64_t, std::string>>{
             {0, "0"}, {999, "999"}, {1000, "1 000"}, {12345678, "12 345 678"}}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(groupThousands(n, " "), grouped);
    }
    const MemoryStatus here = readMemoryStatus();
    EXPECT_GT(here.totalPhysical, 0u);
    EXPECT_GT(here.processResident, 0u) << "this very process";
}

TEST(SystemInfo, SystemLineNamesTheSystemAndItsKernel) {
    EXPECT_EQ(systemLine("Debian GNU/Linux 12 (bookworm)", "6.1.0-18-amd64"),
              "Système : Debian GNU/Linux 12 (bookworm), noyau 6.1.0-18-amd64");
    EXPECT_EQ(systemLine("Linux", ""), "Système : Linux");
    EXPECT_EQ(programVersion(), "3.2") << "the caption's version";
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
