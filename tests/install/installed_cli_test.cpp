// The installed tracelle-cli, run on the same inputs as the one of the build tree, answers
// byte for byte the same: same status, same standard output and error, same files written.
#include "SampleProject.h"
#include "support/TempFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::map<std::string, std::string> files; // what the run left in its folder, by name
};

std::string quoted(const std::string& text) {
    std::string q = "'";
    for (const char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs `cli` in a fresh folder `cwd`, its outputs named relative to it.
Outcome run(const std::string& cli, const fs::path& cwd, const std::vector<std::string>& args) {
    fs::remove_all(cwd);
    fs::create_directories(cwd);
    std::string command =
        "cd " + quoted(cwd.string()) + " && TRACELLE_DECIMAL_SEPARATOR=. " + quoted(cli);
    for (const auto& a : args)
        command += ' ' + quoted(a);
    command += " >stdout 2>stderr </dev/null";
    const int raw = std::system(command.c_str());
    Outcome r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    for (const auto& entry : fs::directory_iterator(cwd)) {
        const auto bytes = tracelle::testing::bytesOf(entry.path().string());
        r.files[entry.path().filename().string()] = {bytes.begin(), bytes.end()};
    }
    return r;
}

class InstalledCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fs::remove_all(dir());
        fs::create_directories(dir());
        project_ = tracelle::testing::writeSampleProject(dir());
        std::ofstream(in("bornes.txt"), std::ios::binary) << "12 8 B1\r\n40.5 30 B2\r\n";
        // A world file of 2 units a pixel, its origin at (1000, 500).
        std::ofstream(in("carte.wld"), std::ios::binary) << "2\n0\n0\n-2\n1000\n500\n";
    }
    static void TearDownTestSuite() { fs::remove_all(dir()); }
    static fs::path dir() { return tracelle::testing::tempFolder("tracelle_installed_cli_"); }
    static std::string in(const std::string& name) { return (dir() / name).string(); }

    static inline std::string project_;
};

TEST_F(InstalledCli, AnswersAsTheBuildTreesTool) {
    const std::string map = in("carte.bmp");
    const std::vector<std::vector<std::string>> cases = {
        {"--help"},
        {"export", "--help"},
        {"info", project_},
        {"export", project_},
        {"export", project_, "-o", "plan.txt", "--columns", "n,L,X,Y,Z", "--separator",
         "comma-space", "--cumulative-distance"},
        {"measure", project_, "--line", "1"},
        {"measure", project_, "--cap", "1,3,5"},
        {"import", project_, in("bornes.txt"), "-o", "plan2.trc"},
        {"raster-area", map, "--project", project_, "-o", "zones.bmp"},
        {"threshold", map, "--threshold", "10", "-o", "nb.bmp"},
        {"convert", map, "-o", "carte.tif"},
        {"export", project_, "--format", "dxf", "-o", "plan.dxf"},
        {"georef", in("carte.wld"), "-o", "carte.trc", "--picture", map},
        {"info", in("absent.trc")},
        {"inconnue"},
    };
    for (const auto& args : cases) {
        std::string label;
        for (const auto& a : args)
            label += a + ' ';
        SCOPED_TRACE(label);
        const Outcome built = run(BUILD_CLI, dir() / "build", args);
        const Outcome installed = run(INSTALLED_CLI, dir() / "installed", args);
        EXPECT_EQ(installed.status, built.status);
        EXPECT_EQ(installed.files, built.files);
        // Each case says or writes something: an empty answer would compare equal too.
        EXPECT_TRUE(built.files.size() > 2 || !built.files.at("stdout").empty() ||
                    !built.files.at("stderr").empty());
    }
}

} // namespace
