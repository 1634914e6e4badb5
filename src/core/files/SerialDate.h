// Dates and times as the serial numbers that spreadsheets hold: days since a base date, the
// time of day as a fraction.
#pragma once

#include <optional>
#include <string_view>

namespace tracelle::files {

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};
// The base of the 1900 system (as it counts from March 1900 on) and of the 1904 system.
inline constexpr CivilDate kBase1900{1899, 12, 30};
inline constexpr CivilDate kBase1904{1904, 1, 1};

// "2024-03-01" or "2024-03-01T12:30:15.5" (a time zone after it is ignored).
std::optional<CivilDate> civilDate(std::string_view iso);
std::optional<double> serialDay(std::string_view iso, CivilDate base);
// An ISO 8601 duration such as "PT12H30M15S" or "-P1DT2H", in days.
std::optional<double> durationDays(std::string_view iso);

} // namespace tracelle::files
