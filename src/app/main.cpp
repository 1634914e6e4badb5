#include "files/Recovery.h"
#include "files/TemporaryFiles.h"
#include "platform/DecimalSeparator.h"
#include "platform/Paths.h"
#include "ui/Application.h"
#include "ui/Startup.h"
#include "ui/Translations.h"

#include <QApplication>
#include <clocale>
#include <iostream>
#include <string_view>

namespace {

// What the program answers without opening a window, so without a display; -1 to start.
int answerWithoutWindows(int argc, char* argv[]) {
    if (argc < 2) return -1;
    const std::string_view first = argv[1];
    if (first == "--version") {
        std::cout << "tracelle " TRACELLE_VERSION "\n";
        return 0;
    }
    if (first == "--help" || first == "-h") {
        // The catalogue needs an application object, not a display.
        QCoreApplication app(argc, argv);
        tracelle::ui::installTranslations(app, tracelle::ui::startupLanguage());
        std::cout << QCoreApplication::translate(
                         "main",
                         "Usage : tracelle [PROJET.trc | IMAGE]\n\n"
                         "Ouvre le projet ou l'image nommé (un projet est reconnu à son extension\n"
                         "ou à sa première ligne /TRACELLE), sinon une feuille vierge. L'aide du\n"
                         "programme s'affiche par la touche F1.\n\n"
                         "  --help     cette aide\n"
                         "  --version  la version du programme\n")
                         .toStdString();
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int status = answerWithoutWindows(argc, argv); status >= 0) return status;
    // The picture named is decoded while the application and its windows are built.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    auto picture = tracelle::ui::Startup::startPicture(arguments);
    tracelle::ui::Application app(argc, argv);
    // The desktop matches the windows to the menu entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tracelle"));
    // Number texts follow our own rules; the C library must not switch to a local mark.
    std::setlocale(LC_NUMERIC, "C");
    tracelle::platform::initDecimalSeparator();
    tracelle::ui::installTranslations(app, tracelle::ui::startupLanguage());
    // What a session killed before left behind, in the folders the program itself writes to.
    tracelle::files::removeStaleTemporaries(tracelle::platform::configDir());
    tracelle::files::removeStaleTemporaries(".");

    tracelle::ui::Startup startup(QApplication::arguments().mid(1), std::move(picture));
    startup.show();
    const int status = QApplication::exec();
    // A normal end: no copy is left to be offered at the next start.
    tracelle::files::effaceSecours();
    return status;
}
