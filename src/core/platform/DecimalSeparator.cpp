#include "platform/DecimalSeparator.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace tracelle::platform {

namespace {
char separator = '.';

char localeSeparator() {
    // A private locale object leaves the process-wide locale untouched.
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return '.';
    const char* mark = nl_langinfo_l(RADIXCHAR, loc);
    const char result = (mark && mark[0] == ',') ? ',' : '.';
    freelocale(loc);
    return result;
}
} // namespace

char decimalSeparator() {
    return separator;
}

void setDecimalSeparator(char s) {
    separator = (s == ',') ? ',' : '.';
}

void initDecimalSeparator() {
    const char* forced = std::getenv("TRACELLE_DECIMAL_SEPARATOR");
    if (forced && (std::string_view(forced) == "," || std::string_view(forced) == ".")) {
        separator = forced[0];
        return;
    }
    separator = localeSeparator();
}

} // namespace tracelle::platform
