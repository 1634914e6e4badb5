// The windows in English: the catalogue built beside the program loaded into one application
// object shared by the tests, the core told to speak English too.
#include "platform/Language.h"
#include "ui/Application.h"

#include <QTranslator>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // headless, also when ctest lists the tests
    // Never the user's own settings: a crash copy left there would ask its question.
    const auto config = std::filesystem::temp_directory_path() /
                        ("tracelle_english_config_" + std::to_string(getpid()));
    std::filesystem::create_directories(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    int failed = 0;
    {
        tracelle::ui::Application app(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        QTranslator windows;
        if (windows.load(QStringLiteral("tracelle_en"), QStringLiteral(TRACELLE_QM_DIR)))
            QCoreApplication::installTranslator(&windows);
        else
            std::cerr << "tracelle_en.qm not loaded from " << TRACELLE_QM_DIR
                      << ": the windows stay French\n";
        tracelle::platform::setLanguage(tracelle::platform::Language::English);
        failed = RUN_ALL_TESTS();
    }
    std::filesystem::remove_all(config);
    return failed;
}
