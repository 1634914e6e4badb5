// The decimal mark and the thousands separator of the user's regional settings, read once at
// start-up.
#pragma once

#include <string_view>

namespace tracelle::platform {

// ',' or '.'.
char decimalSeparator();
void setDecimalSeparator(char separator);

// The thousands separator as UTF-8: a space, or the no-break space U+00A0. Never "," or
// ".", which the program's own readers would take for a decimal mark; U+00A0 rather than the
// narrow U+202F, which Windows-1252 cannot hold and enleve_espaces does not remove.
std::string_view thousandsSeparator();
// Any kind of no-break space gives U+00A0; anything else a plain space.
void setThousandsSeparator(std::string_view separator);
// The separator written for a locale's LC_NUMERIC thousands mark, as the locale spells it
// (UTF-8, or a single byte of an 8-bit locale).
std::string_view thousandsSeparatorFor(std::string_view localeMark);
// The one the locale of the environment (LC_ALL, LC_NUMERIC, LANG) gives.
std::string_view localeThousandsSeparator();

// TRACELLE_DECIMAL_SEPARATOR ("," or ".") when set, else the locale's LC_NUMERIC mark; the
// thousands separator from the locale.
void initDecimalSeparator();

} // namespace tracelle::platform
