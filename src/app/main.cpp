#include "files/Recovery.h"
#include "platform/DecimalSeparator.h"
#include "ui/Application.h"
#include "ui/Startup.h"
#include "ui/Translations.h"

#include <QApplication>
#include <clocale>

int main(int argc, char* argv[]) {
    tracelle::ui::Application app(argc, argv);
    // The desktop matches the windows to the menu entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tracelle"));
    // Number texts follow our own rules; the C library must not switch to a local mark.
    std::setlocale(LC_NUMERIC, "C");
    tracelle::platform::initDecimalSeparator();
    tracelle::ui::installeTraductionsQt(app);

    tracelle::ui::Startup startup(QApplication::arguments().mid(1));
    startup.show();
    const int status = QApplication::exec();
    // A normal end: no copy is left to be offered at the next start.
    tracelle::files::effaceSecours();
    return status;
}
