#include "platform/WheelSetting.h"

#include "platform/Paths.h"

#include <filesystem>
#include <fstream>

namespace tracelle::platform {

std::string wheelSettingFile() {
    return configFile("~tracelle_roulette_inv.cfg");
}

bool wheelInverted() {
    std::error_code ec;
    return std::filesystem::exists(wheelSettingFile(), ec);
}

bool saveWheelInverted(bool inverted) {
    const std::string path = wheelSettingFile();
    std::error_code ec;
    if (!inverted) {
        std::filesystem::remove(path, ec);
        return !ec;
    }
    if (std::filesystem::exists(path, ec)) return true;
    std::ofstream created(path, std::ios::binary);
    return static_cast<bool>(created);
}

} // namespace tracelle::platform
