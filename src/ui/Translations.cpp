#include "ui/Translations.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace tracelle::ui {

bool installeTraductionsQt(QCoreApplication& app) {
    // The catalogue installed with the program first, then the toolkit's own.
    QStringList folders;
    if (const std::string ours = platform::resourceFile("translations"); !ours.empty())
        folders << QString::fromStdString(ours);
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                             QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace tracelle::ui
