// The window tests share one application object, created before and destroyed after them.
#include "ui/Application.h"

#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // headless, also when ctest lists the tests
    // Never the user's own settings: a crash copy left there would ask its question, unanswered.
    const auto config =
        std::filesystem::temp_directory_path() / ("tracelle_ui_config_" + std::to_string(getpid()));
    std::filesystem::create_directories(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    int failed = 0;
    {
        tracelle::ui::Application app(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        failed = RUN_ALL_TESTS();
    }
    std::filesystem::remove_all(config);
    return failed;
}
