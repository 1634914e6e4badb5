// The decimal mark of the user's regional settings, read once at start-up.
#pragma once

namespace tracelle::platform {

// ',' or '.'.
char decimalSeparator();
void setDecimalSeparator(char separator);

// TRACELLE_DECIMAL_SEPARATOR ("," or ".") when set, else the locale's LC_NUMERIC mark.
void initDecimalSeparator();

} // namespace tracelle::platform
