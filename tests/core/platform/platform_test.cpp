#include "platform/DecimalSeparator.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tracelle::platform;
namespace fs = std::filesystem;

namespace {

TEST(DecimalSeparator, EnvironmentForcesTheMarkElseTheLocaleDecides) {
    setenv("TRACELLE_DECIMAL_SEPARATOR", ",", 1);
    initDecimalSeparator();
    EXPECT_EQ(decimalSeparator(), ',');
    setenv("TRACELLE_DECIMAL_SEPARATOR", ".", 1);
    initDecimalSeparator();
    EXPECT_EQ(decimalSeparator(), '.');
    unsetenv("TRACELLE_DECIMAL_SEPARATOR");
    setenv("LC_ALL", "C", 1);
    initDecimalSeparator();
    EXPECT_EQ(decimalSeparator(), '.');
    setDecimalSeparator(';');
    EXPECT_EQ(decimalSeparator(), '.') << "only ',' and '.' exist";
}

TEST(Paths, ConfigurationFolderIsCreatedUnderXdgConfigHome) {
    const fs::path base =
        fs::temp_directory_path() / ("tracelle_paths_test_" + std::to_string(getpid()));
    fs::remove_all(base);
    setenv("XDG_CONFIG_HOME", base.c_str(), 1);
    EXPECT_EQ(configFile("~tracelle.~i"), (base / "tracelle" / "~tracelle.~i").string());
    EXPECT_TRUE(fs::is_directory(base / "tracelle"));
    EXPECT_FALSE(fs::exists(base / "tracelle" / "~tracelle.~i"));
    fs::remove_all(base);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(resourceFile("no-such-resource.hep"), "");
    EXPECT_EQ(fs::path(currentDirFile("~tmp.trc")), fs::current_path() / "~tmp.trc");
}

TEST(Interaction, WithoutAWindowEveryQuestionIsDeclined) {
    EXPECT_FALSE(interaction().confirm("?"));
    EXPECT_EQ(
        interaction().dlg_titre_message_ONEK_oui_non("t", "m", "ON", "", "", DialogWidth::Narrow),
        'E');
    EXPECT_FALSE(interaction().openFileName({}));
    EXPECT_FALSE(interaction().chooseColour(255));
}

} // namespace
