#include "model/NumberText.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

using namespace tracelle::model;
using tracelle::testing::ScriptedInteraction;
using tracelle::testing::SeparatorScope;
using tracelle::testing::withSeparator;

namespace {

class Formatting : public ::testing::TestWithParam<char> {
protected:
    SeparatorScope scope{GetParam()};
    ScriptedInteraction ui;
    std::string ds(const char* text) const { return withSeparator(text, GetParam()); }
};

TRACELLE_UNDER_BOTH_SEPARATORS(Formatting);

struct FormatCase {
    long double x;
    int n;
    int d;
    const char* expected; // with "." for the separator
};

TEST_P(Formatting, Format2WritesFixedTextOrGeneralBeyondThePrecision) {
    const FormatCase cases[] = {
        {1234.56789L, 18, 3, "1234.568"},
        {1234.5L, 3, 1, "1.23E3"},
        {999.96L, 3, 1, "1E3"},
        {-1.5L, 4, 1, "-1.5"},
        {1.125L, 18, 2, "1.13"}, // halves away from zero, as the decimal digits show
        {1.005L, 18, 2, "1.01"},
        {-2.5L, 2, 0, "-3"},
        {0.5L, 2, 0, "1"},
        {0.4L, 2, 0, "0"},
        {12345, 4, 0, "12345"}, // whole numbers are never cut to the width
        {1e20L, 4, 0, "100000000000000000000"},
        {-123456, 2, 0, "-123456"},
        {0, 18, 8, "0.00000000"},
        {kUndefinedReal, 18, 8, "0.00000000"},
        {-0.0001L, 18, 2, "0.00"},
        {0.000123456L, 18, 6, "0.000123"},
        {123.456L, 18, 0, "123"},
        {1.0L / 3, 18, 20, "0.333333333333333333"}, // at most 18 decimals
        {1.0L / 3, 4, 8, "0.33330000"},             // digits past the precision are zeros
        {123456.7L, 18, 2, "123456.70"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(_format2(c.x, c.n, c.d), ds(c.expected));
    }
}

TEST_P(Formatting, FormatAlignsWithTwoSpacesPerMissingCharacter) {
    EXPECT_EQ(_format(-1.5L, 4, 1), "  " + ds("-1.5"));
    EXPECT_EQ(_format(7, 3, 0), "    7");
    EXPECT_EQ(_format(-5, 3, 0), "    -5");
    EXPECT_EQ(_format(1000, 3, 0), "1000");
    EXPECT_EQ(_format(0, 12, 4), std::string(12, ' ') + ds("0.0000"));
    // The integer shortcut of the point cells writes what _format writes.
    for (const long long v : {0LL, 7LL, -5LL, 999LL, 1000LL, -2147483648LL, 123456789012LL}) {
        for (const int n : {1, 2, 3, 4, 12})
            EXPECT_EQ(format_entier(v, n), _format(static_cast<long double>(v), n, 0)) << v;
    }
}

TEST_P(Formatting, GeneralTexts) {
    const std::pair<long double, const char*> cases[] = {
        {1.5e20L, "1.5E20"},
        {1.5e-5L, "1.5E-5"},
        {0.0001L, "0.0001"},
        {0, "0"},
        {-2.5L, "-2.5"},
        {1.0L / 3, "0.333333333333333"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {1e15L, "1E15"},
        {123456789012345.0L, "123456789012345"},
        {100, "100"},
    };
    for (const auto& [x, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(reel_en_texte_point(x), expected); // never the regional mark
        EXPECT_EQ(texte_general(x), ds(expected));
    }
}

TEST_P(Formatting, PrintfWidthsAndRegionalThousands) {
    const std::string_view previous = tracelle::platform::thousandsSeparator();
    for (const char* mark : {" ", "\xC2\xA0"}) {
        tracelle::platform::setThousandsSeparator(mark);
        const auto grouped = [&](std::string text) {
            for (std::size_t at; (at = text.find('_')) != std::string::npos;)
                text.replace(at, 1, mark);
            return ds(text.c_str());
        };
        EXPECT_EQ(texte_milliers(5383757.00012L, 8, 2), grouped("5_383_757.00"));
        EXPECT_EQ(texte_milliers(406863.5L, 7, 0), grouped("406_864"));
        EXPECT_EQ(texte_milliers(-1234567.5L, 5, 0), grouped("-1_234_568"));
        EXPECT_EQ(texte_milliers(556.4L, 5, 0), "  556");
        EXPECT_EQ(texte_milliers(0, 8, 2), ds("    0.00"));
        EXPECT_EQ(val_reel_utm(texte_milliers(5383757.25L, 8, 2)), 5383757.25L);
    }
    tracelle::platform::setThousandsSeparator(previous);
    EXPECT_EQ(texte_fixe(7.73672367L, 8, 10), ds("7.7367236700"));
    EXPECT_EQ(texte_fixe(-27.5L, 8, 3), ds(" -27.500"));
    EXPECT_TRUE(ui.messages.empty());

    // Only a kind of no-break space keeps its place; U+202F is written as U+00A0.
    using tracelle::platform::thousandsSeparatorFor;
    for (const char* nbsp : {"\xC2\xA0", "\xA0", "\xE2\x80\xAF"})
        EXPECT_EQ(thousandsSeparatorFor(nbsp), "\xC2\xA0");
    for (const char* other : {"", ".", ",", "'", " "})
        EXPECT_EQ(thousandsSeparatorFor(other), " ");
}

TEST_P(Formatting, WrittenRealsReadBackWithinTheirDecimals) {
    for (long double x : {0.1L, -1234.56789L, 6543210.123456789L, 1e-7L, 99999.999999999L}) {
        for (int d : {0, 3, 8, 12}) {
            SCOPED_TRACE(std::to_string(static_cast<double>(x)) + " d=" + std::to_string(d));
            const long double back = val_reel(_format2(x, 18, d));
            EXPECT_LE(std::fabs(back - x), 0.5L * std::pow(10.0L, -d) * (1 + 1e-12L));
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}

// True when the 18 significant digits of x end in an exact half at the d-th decimal: there
// rounding those digits half up may differ from rounding x itself.
bool halfAfterEighteenDigits(long double x, int d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(x));
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 17);
    const int position = std::atoi(std::strchr(buf, 'e') + 1) + 1 + d;
    if (position < 0 || position >= 18 || digits[position] != '5') return false;
    return digits.find_first_not_of('0', position + 1) == std::string::npos;
}

// Away from exact halves, fixed text agrees with the C library's correctly rounded one.
TEST(FormatAgainstTheCLibrary, RandomRealsAtEveryDecimalCount) {
    SeparatorScope scope('.');
    std::uint64_t state = 12345;
    const auto next = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    for (int i = 0; i < 20000; ++i) {
        const int magnitude = i % 12 - 2;
        const long double x = (next() - 0.5) * std::pow(10.0L, magnitude);
        const int d = i % 9;
        if (halfAfterEighteenDigits(x, d)) continue;
        char expected[80];
        std::snprintf(expected, sizeof expected, "%.*Lf", d, x);
        std::string text = expected;
        if (text.rfind("-0", 0) == 0 && text.find_first_not_of("-0.") == std::string::npos)
            text.erase(0, 1); // a value that rounds to zero is written without a sign
        ASSERT_EQ(_format2(x, 18, d), text) << "x=" << static_cast<double>(x) << " d=" << d;
        ASSERT_EQ(texte_fixe(x, 0, d), text) << "x=" << static_cast<double>(x) << " d=" << d;
    }
}

} // namespace
