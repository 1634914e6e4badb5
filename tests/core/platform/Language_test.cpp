#include "platform/Catalogue.h"
#include "platform/Language.h"

#include <cstdlib>
#include <cstring>
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

TEST(Catalogue, IsSortedAsTheLookupSearchesIt) {
    for (std::size_t i = 1; i < kEnglishCatalogueSize; ++i) {
        const CatalogueEntry& a = kEnglishCatalogue[i - 1];
        const CatalogueEntry& b = kEnglishCatalogue[i];
        const int byContext = std::strcmp(a.context, b.context);
        EXPECT_TRUE(byContext < 0 || (byContext == 0 && std::strcmp(a.french, b.french) < 0))
            << a.context << " / " << a.french;
    }
}

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

} // namespace
