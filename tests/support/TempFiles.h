// Files the tests make: a folder of the test's own under the system's temporary folder,
// and whole files read and written as bytes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace tracelle::testing {

// A folder named after `prefix` and the process, so that suites run in parallel never meet.
inline std::filesystem::path tempFolder(const std::string& prefix) {
    return std::filesystem::temp_directory_path() / (prefix + std::to_string(getpid()));
}

inline std::vector<char> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string textOf(const std::string& path) {
    const auto b = bytesOf(path);
    return {b.begin(), b.end()};
}

inline void writeBytes(const std::string& path, const std::vector<char>& b) {
    std::ofstream(path, std::ios::binary).write(b.data(), static_cast<std::streamsize>(b.size()));
}

// A test suite's folder, made before its tests and removed after them.
// A damaged file is refused with the expected reason, an empty picture and nothing printed.
template <class Decode>
void expectRefused(Decode decode, const std::string& path, const std::vector<char>& bytes,
                   const std::string& reason) {
    writeBytes(path, bytes);
    ::testing::internal::CaptureStderr();
    const auto d = decode(path);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(d.ok());
    EXPECT_TRUE(d.raster.empty());
    EXPECT_NE(d.error.find(reason), std::string::npos) << d.error;
}

// A test's own folder with its configuration folder "config" set as XDG_CONFIG_HOME; the
// setting undone and the folder removed with it.
struct ConfigHome {
    explicit ConfigHome(const std::string& prefix) : dir(tempFolder(prefix)) {
        if (const char* was = std::getenv("XDG_CONFIG_HOME")) previous = was;
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "config");
        setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    }
    ~ConfigHome() {
        if (previous)
            setenv("XDG_CONFIG_HOME", previous->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(dir);
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    const std::filesystem::path dir;
    std::optional<std::string> previous;
};

template <class Suite> struct TempSuite : ::testing::Test {
    static void SetUpTestSuite() { std::filesystem::create_directories(Suite::dir()); }
    static void TearDownTestSuite() { std::filesystem::remove_all(Suite::dir()); }
    static std::string path(const std::string& name) { return (Suite::dir() / name).string(); }
};

} // namespace tracelle::testing
