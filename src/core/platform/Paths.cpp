#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tracelle::platform {

std::string configDir() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".config";
    } else {
        base = fs::temp_directory_path();
    }
    const fs::path dir = base / "tracelle";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir.string();
}

std::string configFile(const std::string& name) {
    return (fs::path(configDir()) / name).string();
}

std::string resourceFile(const std::string& name) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path beside = exe.parent_path() / name;
        if (fs::exists(beside, ec)) return beside.string();
        // bin/../share/tracelle: an installed tree works wherever its prefix was moved.
        const fs::path shared = exe.parent_path().parent_path() / "share" / "tracelle" / name;
        if (fs::exists(shared, ec)) return shared.string();
    }
    const fs::path installed = fs::path(TRACELLE_SHARE_DIR) / name;
    if (fs::exists(installed, ec)) return installed.string();
    return {};
}

std::string currentDirFile(const std::string& name) {
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    return (ec ? fs::path(name) : cwd / name).string();
}

} // namespace tracelle::platform
