// Runs a test under a chosen decimal separator and restores the previous one.
#pragma once

#include "platform/DecimalSeparator.h"

#include <gtest/gtest.h>
#include <string>

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

// Test names for the two marks of a suite run under both.
inline std::string separatorName(const ::testing::TestParamInfo<char>& info) {
    return info.param == '.' ? "point" : "virgule";
}

} // namespace tracelle::testing

// Runs the parameterised suite under "." and under ",".
#define TRACELLE_UNDER_BOTH_SEPARATORS(Suite)                                                      \
    INSTANTIATE_TEST_SUITE_P(DS, Suite, ::testing::Values('.', ','),                               \
                             ::tracelle::testing::separatorName)
