// The field extraction the descriptor readers are built on, and the reading of a descriptor
// file whole.
#include "georef/Descriptor.h"
#include "support/Separator.h"
#include "support/TempFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

using namespace tracelle;
namespace support = tracelle::testing;

namespace {

class ExtraitEntre : public ::testing::TestWithParam<char> {
protected:
    support::SeparatorScope scope{GetParam()};
};
TRACELLE_UNDER_BOTH_SEPARATORS(ExtraitEntre);

TEST_P(ExtraitEntre, CutsTheFieldAndLeavesTheTextAtItsClosingDelimiter) {
    struct Row {
        const char* name;
        const char* text;
        const char* key;
        const char* open;
        const char* close;
        bool numeric;
        const char* result; // numbers with "."; under "," every "." becomes ","...
        const char* rest;
        const char* resultUnderComma = nullptr; // ...unless given here
    };
    // "\x01" stands where the opening delimiter was found.
    const Row rows[] = {
        {"same delimiter both sides", "x File \"carte.bmp\" Type", "File", "\"", "\"", false,
         "carte.bmp", "\" Type"},
        {"first occurrence of the key only", "a(1) Type (2) Type (3)", "Type", "(", ")", false, "2",
         ") Type (3)"},
        {"missing key drops its length less one", "ab(1)c(2)", "XYZ", "(", ")", false, "1",
         ")c(2)"},
        {"missing key longer than the text", "ab", "XYZW", "(", ")", false, "?0-0  ", ""},
        {"no key", "(7,8)", "", "(", ",", false, "7", ",8)"},
        {"no opening delimiter: from the start", "12,34) z", "", "(", ")", false, "12,34", ") z"},
        {"empty field", "k ()", "k", "(", ")", false, "?1-2  \x01)", "\x01)"},
        {"no closing delimiter", "k ab(xy", "k", "(", ")", false, "?1-0  \x01xy", "\x01xy"},
        {"neither delimiter", "k abc", "k", "(", ")", false, "?0-0   abc", " abc"},
        {"closing delimiter first", "k)x", "k", "(", ")", false, "?0-1  )x", ")x"},
        {"numeric, CR LF", "xdim 0.5\r\n", "xdim", " ", "\n", true, "0.5", "\n"},
        {"numeric keeps signs and E", "v= +1.5E-3 m;", "v=", " ", ";", true, "+1.5E-3", ";"},
        {"numeric drops a lower-case e", "v 2.5e3 kg;", "v", " ", ";", true, "2.53", ";"},
        {"numeric keeps a comma only as the separator", "v 1,5;", "v", " ", ";", true, "15", ";",
         "1,5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text = row.text;
        std::string expected = row.result;
        if (row.numeric && GetParam() == ',')
            expected =
                row.resultUnderComma ? row.resultUnderComma : support::withSeparator(expected, ',');
        EXPECT_EQ(georef::extrait_entre(text, row.key, row.open, row.close, row.numeric), expected);
        EXPECT_EQ(text, row.rest);
    }
}

struct DescriptorFiles : support::TempSuite<DescriptorFiles> {
    static std::filesystem::path dir() { return support::tempFolder("tracelle_descriptor_"); }
};

TEST_F(DescriptorFiles, ReadsSmallFilesWholeAndRefusesTheOthers) {
    std::filesystem::create_directories(dir() / "dossier.tab");
    constexpr std::size_t limit = georef::kMaxDescriptorBytes;
    struct Row {
        const char* name;
        std::optional<std::string> bytes; // nothing: not written
        bool ok;
    };
    const Row rows[] = {
        {"octets.tab", std::string("a\r\nb\0\xff\xe9\n", 8), true},
        {"limite.tab", std::string(limit, 'x'), true},
        {"trop.tab", std::string(limit + 1, 'x'), false},
        {"vide.tab", std::string(), false},
        {"absent.tab", std::nullopt, false},
        {"dossier.tab", std::nullopt, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string file = path(row.name);
        if (row.bytes) support::writeBytes(file, {row.bytes->begin(), row.bytes->end()});
        const georef::DescriptorText d = georef::lit_descripteur(file);
        EXPECT_EQ(d.ok(), row.ok) << d.error;
        if (row.ok) {
            EXPECT_EQ(d.text, *row.bytes) << "the bytes as they are";
        } else {
            EXPECT_NE(d.error.find(file), std::string::npos) << d.error;
            EXPECT_TRUE(d.text.empty());
        }
    }
}

} // namespace
