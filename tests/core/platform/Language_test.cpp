#include "files/ProjectCheck.h"
#include "measure/VectorMeasure.h"
#include "model/Project.h"
#include "model/transform/ModelNames.h"
#include "platform/Catalogue.h"
#include "platform/Language.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace tracelle::platform;

namespace {

struct Session {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
};

class LanguageFromEnvironment : public testing::TestWithParam<Session> {};

void put(const char* name, const char* value) {
    if (value == nullptr)
        unsetenv(name);
    else
        setenv(name, value, 1);
}

TEST_P(LanguageFromEnvironment, TheFirstVariableSetDecides) {
    const Session& s = GetParam();
    put("LANGUAGE", s.language);
    put("LC_ALL", s.lcAll);
    put("LC_MESSAGES", s.lcMessages);
    put("LANG", s.lang);
    EXPECT_EQ(languageFromEnvironment(), s.expected);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        unsetenv(name);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, LanguageFromEnvironment,
    testing::Values(Session{nullptr, nullptr, nullptr, nullptr, Language::French},
                    Session{nullptr, nullptr, nullptr, "C.UTF-8", Language::French},
                    Session{nullptr, "POSIX", nullptr, "en_US.UTF-8", Language::French},
                    Session{nullptr, nullptr, nullptr, "fr_CA.UTF-8", Language::French},
                    Session{nullptr, nullptr, nullptr, "de_DE.UTF-8", Language::English},
                    Session{"", "", "", "en_GB", Language::English},
                    Session{"fr", nullptr, nullptr, "en_US.UTF-8", Language::French},
                    Session{"en_GB:fr", nullptr, nullptr, "fr_FR.UTF-8", Language::English},
                    Session{nullptr, nullptr, "fr_BE", "ja_JP.UTF-8", Language::French},
                    Session{nullptr, "nl_NL.UTF-8", "fr_FR", nullptr, Language::English}));

TEST(Fill, ReplacesEachNumberedPlaceOnce) {
    EXPECT_EQ(fill("Ligne %1 : %2", {"12", "%1"}), "Ligne 12 : %1");
    EXPECT_EQ(fill("%2 puis %1, 100 %", {"a", "b"}), "b puis a, 100 %");
    EXPECT_EQ(fill("%3 reste", {"a"}), "%3 reste");
}

// Each entry is found by the lookup, a binary search: a catalogue out of order fails here.
TEST(Translate, GivesEveryEntryInEnglishAndFrenchUnchanged) {
    for (std::size_t i = 0; i < kEnglishCatalogueSize; ++i) {
        const CatalogueEntry& e = kEnglishCatalogue[i];
        setLanguage(Language::English);
        EXPECT_STREQ(translate(e.context, e.french), e.english);
        setLanguage(Language::French);
        EXPECT_STREQ(translate(e.context, e.french), e.french);
    }
    setLanguage(Language::English);
    EXPECT_STREQ(translate("Nulle part", "Texte inconnu"), "Texte inconnu");
    setLanguage(Language::French);
}

// A message of the core in both languages: English words around the same numbers, on the same
// lines, so that a script reading a report finds its figures where they were.
struct CoreMessage {
    const char* name;
    std::function<std::string()> text;
    const char* french;
    const char* english;
};

class CoreMessages : public testing::TestWithParam<CoreMessage> {
protected:
    tracelle::testing::SeparatorScope point{'.'};
    tracelle::testing::ScriptedInteraction ui;
};

TEST_P(CoreMessages, ComeInTheLanguageWithTheSameNumbersAndLayout) {
    const CoreMessage& m = GetParam();
    setLanguage(Language::English);
    const std::string english = m.text();
    setLanguage(Language::French);
    EXPECT_EQ(english, m.english);
    EXPECT_EQ(m.text(), m.french);
}

std::string missingRow() {
    return tracelle::files::checkRowsPresent(10, 6, 3, 5, 2)->message;
}

std::string surfaceReport() {
    tracelle::model::Project p;
    const int corners[3][2] = {{0, 0}, {3, 0}, {3, 4}};
    for (int i = 1; i <= 3; ++i) {
        const auto [x, y] = corners[i - 1];
        p.affecte_en(i, 1, "", 0, x, y, x, y);
    }
    p.setN(3);
    p.setCurrentLine(1);
    tracelle::model::Real twoPoints = 0;
    const auto lines = tracelle::measure::rapportSurface(p, 1, twoPoints);
    return lines.at(0) + '\n' + lines.at(1);
}

std::string calibrationRefusal() {
    using namespace tracelle::model;
    return fitStatusMessage(FitStatus::TooFewPoints, TransformMethod::Projective);
}

INSTANTIATE_TEST_SUITE_P(
    Core, CoreMessages,
    testing::Values(
        CoreMessage{"ProjectFile", missingRow,
                    "Problème de lecture à la ligne 11 du fichier :\nil manque le point 2 : le "
                    "fichier s'arrête à la ligne 10 (il annonce 5 points, 2 lignes et 3 points de "
                    "calage)",
                    "Reading problem at line 11 of the file:\npoint 2 is missing: the file ends at "
                    "line 10 (it announces 5 points, 2 lines and 3 calibration points)"},
        CoreMessage{"SurfaceReport", surfaceReport,
                    " Suite(1)= \t3\t points\n Surface  A = \t6.000 E+00    \t    6.000000000",
                    " Line(1)= \t3\t points\n Area  A = \t6.000 E+00    \t    6.000000000"},
        CoreMessage{"CalibrationRefusal", calibrationRefusal,
                    "le modèle projective demande au moins 4 points de contrôle",
                    "the projective model needs at least 4 control points"}),
    [](const testing::TestParamInfo<CoreMessage>& info) { return std::string(info.param.name); });

} // namespace
