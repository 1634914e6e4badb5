// GDAL's own reading of a georeferenced file, through its command-line tools: the outside
// reference of every georeferencing test.
#pragma once

#include "support/TempFiles.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tracelle::testing {

// What a GDAL tool printed on standard output; nothing when it failed.
inline std::optional<std::string> runGdal(const std::string& command, const std::string& input,
                                          const std::string& file) {
    const std::string in = file + ".in", out = file + ".out";
    writeBytes(in, {input.begin(), input.end()});
    const std::string line = command + " '" + file + "' <'" + in + "' >'" + out + "' 2>/dev/null";
    const int status = std::system(line.c_str());
    const auto bytes = bytesOf(out);
    std::filesystem::remove(in);
    std::filesystem::remove(out);
    if (status != 0) return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
}

// gdalinfo's geotransform: X = g[0] + c·g[1] + l·g[2], Y = g[3] + c·g[4] + l·g[5] for the
// column c and line l counted from the picture's corner.
inline std::optional<std::array<double, 6>> gdalGeoTransform(const std::string& file) {
    const auto text = runGdal("gdalinfo -json", "", file);
    if (!text) return std::nullopt;
    const auto json = nlohmann::json::parse(*text, nullptr, false);
    if (json.is_discarded() || !json.contains("geoTransform")) return std::nullopt;
    return json["geoTransform"].get<std::array<double, 6>>();
}

// gdallocationinfo's pixel and line of each ground point, all inside the picture.
inline std::vector<std::pair<int, int>>
gdalPixels(const std::string& file, const std::vector<std::pair<double, double>>& ground) {
    std::ostringstream input;
    input.precision(17);
    for (const auto& [X, Y] : ground)
        input << X << ' ' << Y << '\n';
    std::vector<std::pair<int, int>> pixels;
    const auto text = runGdal("gdallocationinfo -geoloc -xml", input.str(), file);
    if (!text) return pixels;
    for (std::size_t at = 0; (at = text->find("<Report pixel=\"", at)) != std::string::npos;) {
        at += 15;
        const int pixel = std::atoi(text->c_str() + at);
        at = text->find("line=\"", at) + 6;
        pixels.emplace_back(pixel, std::atoi(text->c_str() + at));
    }
    return pixels;
}

} // namespace tracelle::testing
