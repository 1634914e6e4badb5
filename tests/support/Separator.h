// Runs a test under a chosen decimal separator and restores the previous one.
#pragma once

#include "platform/DecimalSeparator.h"

namespace tracelle::testing {

class SeparatorScope {
public:
    explicit SeparatorScope(char separator) : previous_(platform::decimalSeparator()) {
        platform::setDecimalSeparator(separator);
    }
    ~SeparatorScope() { platform::setDecimalSeparator(previous_); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    char previous_;
};

// Replaces every '.' of an expected text by the separator in force.
inline std::string withSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') c = separator;
    }
    return text;
}

} // namespace tracelle::testing
