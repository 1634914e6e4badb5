#include "render/GuiApplication.h"

#include "platform/Language.h"

#include <QGuiApplication>
#include <clocale>

namespace tracelle::render {

namespace {

QtMessageHandler previousHandler = nullptr;

// The standard error of a program without windows carries its own messages only: Qt's notes
// about the session (no runtime folder, no display) are dropped, its failures kept.
void keepFailures(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previousHandler)
        previousHandler(type, context, message);
}

} // namespace

std::string ensureGuiApplication() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
    if (QCoreApplication::instance())
        return platform::translate(
            "render", "dessin impossible : l'application en place n'est pas graphique");
    static int argc = 3;
    static char name[] = "tracelle", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    previousHandler = qInstallMessageHandler(keepFailures);
    // Qt sets the locale from the environment: the numbers the program writes must not change.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    new QGuiApplication(argc, argv); // never deleted: the process ends with it
    std::setlocale(LC_ALL, locale.c_str());
    return {};
}

} // namespace tracelle::render
