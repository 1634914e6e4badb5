#include "platform/DecimalSeparator.h"
#include "ui/QtInteraction.h"
#include "ui/scroll.h"

#include <QApplication>
#include <clocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Number texts follow our own rules; the C library must not switch to a local mark.
    std::setlocale(LC_NUMERIC, "C");
    tracelle::platform::initDecimalSeparator();

    tracelle::ui::Scroll mainWindow;
    tracelle::ui::QtInteraction interaction(&mainWindow);
    tracelle::platform::setInteraction(&interaction);

    mainWindow.showMaximized();
    const int status = app.exec();
    tracelle::platform::setInteraction(nullptr);
    return status;
}
