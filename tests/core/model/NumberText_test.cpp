#include "model/NumberText.h"
#include "model/TextTable.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <gtest/gtest.h>

using namespace tracelle::model;
using tracelle::testing::ScriptedInteraction;
using tracelle::testing::SeparatorScope;
using tracelle::testing::withSeparator;

namespace {

const std::string kConvertError = "EConvertError\n\r'";

class BothSeparators : public ::testing::TestWithParam<char> {
protected:
    SeparatorScope scope{GetParam()};
    ScriptedInteraction ui;
};

TRACELLE_UNDER_BOTH_SEPARATORS(BothSeparators);

struct RealCase {
    const char* text;
    long double expected;
    bool message;
};

TEST_P(BothSeparators, ValReelReadsTheNumberPrefixWhateverTheMark) {
    const RealCase cases[] = {
        {"3.25", 3.25L, false},
        {"3,25", 3.25L, false},
        {"", 0, false},
        {"+", 0, false},
        {"-", 0, false},
        {"abc", 0, false},
        {" - ", 0, false},
        {"-12,5abc", -12.5L, false},
        {"12.5 m", 12.5L, false},
        {"1 234,5", 1, false},
        {"1.5e3", 1.5L, false},
        {"1.5E3", 1500, false},
        {"  -7.25E-2  ", -0.0725L, false},
        {"+.5", 0.5L, false},
        {"7,", 7, false},
        {"1E5000", 0, true},
        {"--5", 0, true},
        {"5E", 0, true},
        {"E5", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ui.messages.clear();
        EXPECT_EQ(val_reel(c.text), c.expected);
        EXPECT_EQ(ui.messages.size(), c.message ? 1u : 0u);
        EXPECT_EQ(readRealQuietly(c.text).value_or(-1), c.message ? -1 : c.expected);
        EXPECT_EQ(readsAsReal(c.text), !c.message);
    }
}

TEST_P(BothSeparators, ValReelOnASecondMarkDependsOnTheSeparator) {
    // The first mark becomes DS; under "," the second "." ends the scan.
    if (GetParam() == ',') {
        EXPECT_EQ(val_reel("1.2.3"), 1.2L);
        EXPECT_TRUE(ui.messages.empty());
    } else {
        EXPECT_EQ(val_reel("1.2.3"), 0);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0],
                  kConvertError + "1.2.3' n'est pas une valeur en virgule flottante correcte");
    }
}

TEST_P(BothSeparators, StrictConversionRefusesTrailingText) {
    const bool comma = GetParam() == ',';
    EXPECT_EQ(texte_en_reel_strict(comma ? " 12,5 " : " 12.5 ").value_or(-1), 12.5L);
    EXPECT_FALSE(texte_en_reel_strict(comma ? "12.5" : "12,5")) << "only the regional mark";
    EXPECT_FALSE(texte_en_reel_strict("12.5abc"));
    EXPECT_FALSE(texte_en_reel_strict(""));
    EXPECT_EQ(texte_en_reel_strict(GetParam() == ',' ? "-1,5E2" : "-1.5E2").value_or(0), -150);
}

TEST(ValEntier, FollowsTheIntegerRule) {
    struct Case {
        const char* text;
        std::int32_t value;
        int errorPosition;
    } cases[] = {
        {" 42", 42, 0},
        {"42 ", 42, 3},
        {"", 0, 1},
        {"-7", -7, 0},
        {"$1F", 31, 0},
        {"0x1f", 31, 0},
        {"X10", 16, 0},
        {"-", 0, 2},
        {"+12", 12, 0},
        {"-12a", 12, 4},
        {"1.5", 1, 2},
        {"2147483647", 2147483647, 0},
        {"-2147483648", INT32_MIN, 0},
        {"2147483648", 214748364, 10},
        {"$FFFFFFFF", -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const EntierLu read = lit_entier(c.text);
        EXPECT_EQ(read.value, c.value);
        EXPECT_EQ(read.errorPosition, c.errorPosition);
    }
}

TEST(ValEntier, BadTextOffersTheRescueSaveAndStopsOnlyWhenItSucceeded) {
    std::vector<std::string> savedTo;
    setEmergencySave([&](const std::string& path) {
        savedTo.push_back(path);
        return true;
    });
    {
        ScriptedInteraction ui;
        ui.answerConfirm(false);
        EXPECT_EQ(val_entier("42 "), 42);
        ASSERT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(ui.questions[0], "<42 > n'est pas une valeur entière err=3\n Sauver "
                                   "automatiquement pour relancer l'application et recharger le "
                                   "projet ? ");
        EXPECT_TRUE(savedTo.empty());
        EXPECT_FALSE(ui.quitRequested);
        ui.answerConfirm(false);
        val_entier("\x01" + std::string(80, '7'));
        EXPECT_EQ(ui.questions[1].substr(0, 62), "<?" + std::string(59, '7') + ">")
            << "a damaged cell quoted short, as one line";
    }
    {
        ScriptedInteraction ui;
        ui.answerConfirm(true);
        EXPECT_EQ(val_entier("-7z"), 7); // the digits read, without the sign
        EXPECT_EQ(savedTo, std::vector<std::string>{"~tmp.trc"});
        EXPECT_EQ(ui.messages,
                  std::vector<std::string>{"sauvegarde effectuée dans ~tmp.trc avant arrêt"});
        EXPECT_TRUE(ui.quitRequested);
    }
    setEmergencySave([](const std::string&) { return false; });
    {
        ScriptedInteraction ui;
        ui.answerConfirm(true);
        val_entier("x");
        EXPECT_FALSE(ui.quitRequested) << "a failed rescue save must not stop the program";
        ASSERT_EQ(ui.messages.size(), 1u);
    }
    setEmergencySave(nullptr);
}

TEST_P(BothSeparators, ValRReadsCalibrationValues) {
    EXPECT_FALSE(isUndefined(-0.0L));
    EXPECT_TRUE(isUndefined(val_r("-")));
    EXPECT_TRUE(isUndefined(val_r("")));
    EXPECT_EQ(val_r("1,5E3"), 1.53L);
    EXPECT_EQ(val_r("1.2.3"), 0);
    EXPECT_EQ(val_r(" 12 m"), 12);
    EXPECT_EQ(val_r("-0.25"), -0.25L);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(BothSeparators, InputTests) {
    const std::pair<const char*, bool> reals[] = {
        {"3/4", true},  {"1/2/3", false}, {"-", false},   {"", false},   {" 12.5 ", true},
        {"12,5", true}, {"1E3", true},    {"1e3", false}, {"2*3", true}, {"12a", false},
    };
    for (const auto& [text, ok] : reals) {
        SCOPED_TRACE(text);
        EXPECT_EQ(est_reel(text), ok);
    }
    const std::pair<const char*, bool> integers[] = {
        {"12", true}, {"-12", false}, {"1.5", false}, {"", false}, {" 8 ", true}, {"+3", false},
    };
    for (const auto& [text, ok] : integers) {
        SCOPED_TRACE(text);
        EXPECT_EQ(est_entier(text), ok);
    }
}

TEST_P(BothSeparators, FiltreNumeriqueKeepsNumberCharacters) {
    std::string text = "X = -12.5 m";
    filtre_numerique(text);
    EXPECT_EQ(text, GetParam() == ',' ? "-12,5" : "-12.5");
    text = "1,5";
    filtre_numerique(text);
    EXPECT_EQ(text, GetParam() == ',' ? "1,5" : "15");
}

TEST(Extrait, FieldsSkipRunsOfSeparators) {
    struct Case {
        const char* line;
        int n;
        char sep;
        const char* field;
    } cases[] = {
        {"a;;b;c", 1, ';', "a"}, {"a;;b;c", 2, ';', "b"},       {"a;;b;c", 3, ';', "c"},
        {"a;;b;c", 4, ';', ""},  {";a;b", 1, ';', "a"},         {"", 1, ';', "_extraitUTIL<>"},
        {"a;b", 0, ';', ""},     {"  12   34  ", 2, ' ', "34"}, {"a; b ;c", 2, ';', "b"},
        {"x\ty", 2, '\t', "y"},  {";;;", 1, ';', ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " #" + std::to_string(c.n));
        EXPECT_EQ(_extrait(c.line, c.n, c.sep), c.field);
    }
}

TEST_P(BothSeparators, ExtraitReelIgnoresTheRegionalMark) {
    EXPECT_EQ(extrait_reel("x 12,5", 2, ' ', -1), 12.5L);
    EXPECT_EQ(extrait_reel("x 12.5", 2, ' ', -1), 12.5L);
    EXPECT_EQ(extrait_reel("x 12,5", 3, ' ', -1), -1);
    EXPECT_EQ(extrait_reel("1e3;2", 1, ';', -1), 1000);
    EXPECT_EQ(extrait_reel("12abc;2", 1, ';', -1), -1);
    EXPECT_EQ(extrait_reel("", 1, ';', -1), -1);
}

TEST(Blanks, OnlyTheSpaceIsBlank) {
    EXPECT_EQ(enleve_blancs("  a b  "), "a b");
    EXPECT_EQ(enleve_blancs_gauche("  a "), "a ");
    EXPECT_EQ(enleve_blancs_droite("  a "), "  a");
    EXPECT_EQ(enleve_blancs("\ta\t"), "\ta\t");
    EXPECT_EQ(enleve_blancs("   "), "");
    EXPECT_EQ(nb_car('/', "1/2/3"), 2);
    EXPECT_EQ(cadre_droite("7", 3), "    7");
    EXPECT_EQ(cadre_droite("1234", 3), "1234");
}

TEST(IndiceColGrille, TakesTheLastMatchingTrimmedHeader) {
    TextTable grid({" X", "Y", "X", "x"});
    EXPECT_EQ(indice_col_grille(grid, "X"), 2);
    EXPECT_EQ(indice_col_grille(grid, " x "), 3);
    EXPECT_EQ(indice_col_grille(grid, "Z"), -1);
}

TEST_P(BothSeparators, ConverterVariants) {
    EXPECT_EQ(val_reel_utm("1 234,5"), 1234.5L);
    EXPECT_EQ(val_reel_utm("4\xC2\xA0"
                           "512\xC2\xA0"
                           "300.25 m"),
              4512300.25L);
    EXPECT_EQ(val_reel("1 234,5"), 1);
    EXPECT_TRUE(est_reel_utm("1 234,5"));
    EXPECT_FALSE(est_reel_utm("E"));
    EXPECT_FALSE(est_reel_utm(" - "));
    EXPECT_TRUE(est_reel_utm("1/2/3"));
    EXPECT_TRUE(est_dms("45\xC2\xB0"
                        "30'15.5\""));
    EXPECT_FALSE(est_dms("45d30"));
    EXPECT_EQ(enleve_espaces(" 1 2\xC2\xA0"
                             "3 "),
              "123");
    EXPECT_EQ(separateurs_locaux("1.5,2.5"), withSeparator("1.5.2.5", GetParam()));
    EXPECT_EQ(remplace_car("a;b;c", ';', '\t'), "a\tb\tc");
    EXPECT_EQ(position_nieme(';', "a;b;c", 2), 4);
    EXPECT_EQ(position_nieme(';', "a;b;c", 3), 0);
    EXPECT_EQ(extrait_champ("a;;b", 2, ';'), "");
    EXPECT_EQ(extrait_champ("a;;b", 3, ';'), "b");
    EXPECT_EQ(extrait_champ(" a ;b", 1, ';'), " a ");
    EXPECT_EQ(extrait_champ("a;b", 3, ';'), "");
}

} // namespace
