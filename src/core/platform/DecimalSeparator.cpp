#include "platform/DecimalSeparator.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace tracelle::platform {

namespace {
char separator = '.';

constexpr std::string_view kSpace = " ";
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
std::string_view thousands = kSpace;

// The given item of LC_NUMERIC from a private locale object, which leaves the process-wide
// locale untouched; "" when the locale cannot be had.
template <typename Use>
auto withNumericLocale(nl_item item, Use use) {
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return use("");
    const char* text = nl_langinfo_l(item, loc);
    const auto result = use(text ? text : "");
    freelocale(loc);
    return result;
}

char localeSeparator() {
    return withNumericLocale(RADIXCHAR, [](std::string_view mark) {
        return !mark.empty() && mark[0] == ',' ? ',' : '.';
    });
}
} // namespace

char decimalSeparator() {
    return separator;
}

void setDecimalSeparator(char s) {
    separator = (s == ',') ? ',' : '.';
}

std::string_view thousandsSeparator() {
    return thousands;
}

void setThousandsSeparator(std::string_view s) {
    thousands = thousandsSeparatorFor(s);
}

std::string_view thousandsSeparatorFor(std::string_view mark) {
    // U+00A0 in UTF-8 or as the Latin-1 byte, and U+202F (the French locales' mark).
    if (mark == kNoBreakSpace || mark == "\xA0" || mark == "\xE2\x80\xAF") return kNoBreakSpace;
    return kSpace;
}

std::string_view localeThousandsSeparator() {
    return withNumericLocale(THOUSEP, thousandsSeparatorFor);
}

void initDecimalSeparator() {
    thousands = localeThousandsSeparator();
    const char* forced = std::getenv("TRACELLE_DECIMAL_SEPARATOR");
    if (forced && (std::string_view(forced) == "," || std::string_view(forced) == ".")) {
        separator = forced[0];
        return;
    }
    separator = localeSeparator();
}

} // namespace tracelle::platform
