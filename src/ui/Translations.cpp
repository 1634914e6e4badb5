#include "ui/Translations.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace tracelle::ui {

namespace {

bool load(QCoreApplication& app, const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

platform::Language startupLanguage() {
    return platform::savedLanguage().value_or(platform::languageFromEnvironment());
}

bool installTranslations(QCoreApplication& app, platform::Language language) {
    platform::setLanguage(language);
    // The catalogues installed with the program first, then the toolkit's own.
    QStringList folders;
    if (const std::string ours = platform::resourceFile("translations"); !ours.empty())
        folders << QString::fromStdString(ours);
    if (language == platform::Language::English)
        return load(app, QStringLiteral("tracelle_en"), folders);
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return load(app, QStringLiteral("qtbase_fr"), folders);
}

std::vector<std::string> resourceNames(const std::string& french) {
    if (platform::language() != platform::Language::English) return {french};
    const std::size_t dot = french.rfind('.');
    return {french.substr(0, dot) + "_en" + (dot == std::string::npos ? "" : french.substr(dot)),
            french};
}

std::string localisedResourceFile(const std::string& french) {
    for (const std::string& name : resourceNames(french))
        if (std::string path = platform::resourceFile(name); !path.empty()) return path;
    return {};
}

} // namespace tracelle::ui
