#include "gis/Number.h"

#include <charconv>

namespace tracelle::gis {

void appendNumber(std::string& out, double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0).ptr;
    out.append(buffer, end);
}

void appendInteger(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

bool appendFixed(std::string& out, double value, int decimals, int width) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,
                                            std::chars_format::fixed, decimals);
    const auto length = static_cast<int>(end - buffer);
    if (error != std::errc() || length > width) return false;
    out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(buffer, end);
    return true;
}

} // namespace tracelle::gis
