#include "files/SerialDate.h"

#include <charconv>

namespace tracelle::files {

namespace {

long daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// Digits at `at` as an integer: exactly `width` of them when width > 0.
bool number(std::string_view s, std::size_t& at, int width, int& out) {
    const std::size_t end = width > 0 ? at + static_cast<std::size_t>(width) : s.size();
    if (end > s.size()) return false;
    const auto [ptr, ec] = std::from_chars(s.data() + at, s.data() + end, out);
    if (ec != std::errc() || (width > 0 && ptr != s.data() + end)) return false;
    at = static_cast<std::size_t>(ptr - s.data());
    return true;
}

bool expect(std::string_view s, std::size_t& at, char c) {
    if (at >= s.size() || s[at] != c) return false;
    ++at;
    return true;
}

// Seconds with their decimals, from `at` to the first character that cannot belong to them.
bool seconds(std::string_view s, std::size_t& at, double& out) {
    const auto [ptr, ec] =
        std::from_chars(s.data() + at, s.data() + s.size(), out, std::chars_format::fixed);
    if (ec != std::errc()) return false;
    at = static_cast<std::size_t>(ptr - s.data());
    return true;
}

} // namespace

std::optional<CivilDate> civilDate(std::string_view iso) {
    std::size_t at = 0;
    const bool negative = expect(iso, at, '-');
    CivilDate d;
    if (!number(iso, at, 4, d.year) || !expect(iso, at, '-') || !number(iso, at, 2, d.month) ||
        !expect(iso, at, '-') || !number(iso, at, 2, d.day))
        return std::nullopt;
    if (negative) d.year = -d.year;
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31) return std::nullopt;
    return d;
}

std::optional<double> serialDay(std::string_view iso, CivilDate base) {
    const auto date = civilDate(iso);
    if (!date) return std::nullopt;
    double days = static_cast<double>(daysFromCivil(date->year, date->month, date->day) -
                                      daysFromCivil(base.year, base.month, base.day));
    const std::size_t t = iso.find('T');
    if (t == std::string_view::npos) return days;
    std::size_t at = t + 1;
    int hours = 0, minutes = 0;
    double secs = 0;
    if (!number(iso, at, 2, hours) || !expect(iso, at, ':') || !number(iso, at, 2, minutes))
        return std::nullopt;
    if (expect(iso, at, ':') && !seconds(iso, at, secs)) return std::nullopt;
    if (hours > 24 || minutes > 59 || secs < 0 || secs >= 61) return std::nullopt;
    return days + (hours * 3600.0 + minutes * 60.0 + secs) / 86400.0;
}

std::optional<double> durationDays(std::string_view iso) {
    std::size_t at = 0;
    const bool negative = expect(iso, at, '-');
    if (!expect(iso, at, 'P')) return std::nullopt;
    double days = 0;
    bool time = false, any = false;
    while (at < iso.size()) {
        if (!time && expect(iso, at, 'T')) {
            time = true;
            continue;
        }
        double value = 0;
        if (!seconds(iso, at, value) || at >= iso.size()) return std::nullopt;
        const char unit = iso[at++];
        if (!time && unit == 'D') {
            days += value;
        } else if (time && unit == 'H') {
            days += value / 24;
        } else if (time && unit == 'M') {
            days += value / 1440;
        } else if (time && unit == 'S') {
            days += value / 86400;
        } else {
            return std::nullopt;
        }
        any = true;
    }
    if (!any) return std::nullopt;
    return negative ? -days : days;
}

} // namespace tracelle::files
