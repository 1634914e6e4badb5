#include "files/Cp1252.h"

#include <gtest/gtest.h>

using namespace tracelle::files;

namespace {

TEST(Cp1252, FileBytesBecomeUtf8AndBack) {
    const std::string cp1252 = "Libell\xE9 \x80 \x9C\x85"; // é € œ …
    const std::string utf8 = "Libellé € œ…";
    EXPECT_EQ(cp1252ToUtf8(cp1252), utf8);
    EXPECT_EQ(utf8ToCp1252(utf8), cp1252);
    EXPECT_EQ(fileTextToUtf8(cp1252), utf8) << "not UTF-8: read as Windows-1252";
    EXPECT_EQ(fileTextToUtf8(utf8), utf8) << "valid UTF-8 stays";
    EXPECT_EQ(utf8ToCp1252("x ≤ 3 → 中"), "x ? 3 ? ?") << "what Windows-1252 cannot hold";
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\xC2\x81") << "an undefined byte keeps its Latin-1 meaning";
}

TEST(Cp1252, AnAccentedCharacterIsFoundWhereverItLies) {
    // ASCII runs are passed by blocks of 8 and 32 bytes: every place across their edges.
    for (std::size_t before = 0; before <= 70; ++before) {
        SCOPED_TRACE(before);
        const std::string ascii(before, 'a'), after(before % 11, 'b');
        EXPECT_EQ(asciiPrefix(ascii), before);
        EXPECT_EQ(asciiPrefix(ascii + "\xE9" + after), before);
        EXPECT_EQ(cp1252ToUtf8(ascii + "\xE9" + after), ascii + "é" + after);
        EXPECT_EQ(utf8ToCp1252(ascii + "é" + after), ascii + "\xE9" + after);
        EXPECT_TRUE(isValidUtf8(ascii + "é" + after));
        EXPECT_FALSE(isValidUtf8(ascii + "\xE9" + after));
    }
}

TEST(Cp1252, Utf8Validation) {
    EXPECT_TRUE(isValidUtf8("plain ASCII"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x97\xBA"));
    EXPECT_FALSE(isValidUtf8("\xC3"));         // cut short
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(isValidUtf8("\xE9t\xE9"));    // Latin-1
}

} // namespace
