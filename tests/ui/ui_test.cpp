#include "ui/QtInteraction.h"
#include "ui/scroll.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

int argc = 1;
char appName[] = "test_ui";
char* argv[] = {appName, nullptr};

QApplication& app() {
    static QApplication instance(argc, argv);
    return instance;
}

TEST(MainWindow, ShowsTheProgramCaption) {
    app();
    tracelle::ui::Scroll window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("    t r a c e l l e  3.2"));
    EXPECT_EQ(window.project().N(), 0);
}

TEST(QtInteraction, FiltersBecomeQtFilters) {
    using tracelle::ui::toQtFilter;
    EXPECT_EQ(toQtFilter("Projet (*.trc)|*.trc|Tous|*.*"),
              QStringLiteral("Projet (*.trc);;Tous (*.*)"));
    EXPECT_EQ(toQtFilter("Images|*.bmp;*.jpg"), QStringLiteral("Images (*.bmp *.jpg)"));
    EXPECT_EQ(toQtFilter(""), QString());
}

} // namespace
