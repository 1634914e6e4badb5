#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "ui/AboutBox.h"
#include "ui/GradientPanel.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/QtInteraction.h"
#include "ui/Splash.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace tracelle::ui;
using tracelle::platform::DialogWidth;

namespace {

TEST(Startup, CreatesTheWindowsInTheirOrderWithTheirCaptions) {
    Startup startup({});
    EXPECT_EQ(startup.creationOrder(),
              QStringList({"MainWindow", "PointsTableWindow", "AboutBox", "GraphWindow",
                           "HelpWindow", "MessageDialog", "ConverterWindow", "SecondSplash",
                           "PictureConversionWindow"}));
    const std::pair<const char*, QString> captions[] = {
        {"MainWindow", QStringLiteral("    t r a c e l l e  3.2")},
        {"PointsTableWindow", QStringLiteral("Points digitalisés")},
        {"AboutBox", QStringLiteral("   à propos de...")},
        {"GraphWindow", QStringLiteral("   Graphe 3D")},
        {"HelpWindow",
         QStringLiteral("     A  I  D  E     [ F 1 ]   p o u r    r e s s o r t i r ")},
        {"ConverterWindow", QStringLiteral("Convertions")},
        {"PictureConversionWindow", QStringLiteral("e m f")},
    };
    for (const auto& [name, caption] : captions) {
        SCOPED_TRACE(name);
        const auto found = QApplication::topLevelWidgets();
        const auto it = std::find_if(found.begin(), found.end(),
                                     [&](QWidget* w) { return w->objectName() == name; });
        ASSERT_NE(it, found.end());
        EXPECT_EQ((*it)->windowTitle(), caption);
        EXPECT_FALSE((*it)->isVisible()) << "secondary windows start hidden";
    }
    EXPECT_TRUE(startup.mainWindow().parametre().isEmpty());
    startup.show();
    EXPECT_TRUE(startup.mainWindow().isVisible());
}

// The card stays on top of every window: the questions asked while the picture named on the
// command line opens must not come up under it.
TEST(Startup, QuestionsOfTheOpeningAreNotHiddenByTheCard) {
    tracelle::testing::ConfigHome home("tracelle_startup_");
    const QString picture = QString::fromStdString((home.dir / "plan.png").string());
    QImage(60, 40, QImage::Format_RGB32).save(picture);
    int asked = 0;
    bool cardShown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* question = QApplication::activeModalWidget();
        if (!question) return;
        ++asked;
        for (QWidget* w : QApplication::topLevelWidgets())
            cardShown |= w->objectName() == "Splash" && w->isVisible();
        QTest::keyClick(question, Qt::Key_Escape);
    });
    poll.start(20);
    Startup startup({picture});
    poll.stop();
    EXPECT_GT(asked, 0);
    EXPECT_FALSE(cardShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "no hourglass over the questions";
}

// Only a picture whose decoder needs no application is started before it.
TEST(Startup, OnlyAPictureReadWithoutTheApplicationIsStartedBeforeIt) {
    tracelle::testing::ConfigHome home("tracelle_early_");
    const auto made = [&](const char* name, const char* format) {
        const QString path = QString::fromStdString((home.dir / name).string());
        QImage(60, 40, QImage::Format_RGB32).save(path, format);
        return path;
    };
    const struct {
        const char* name;
        QStringList arguments;
        bool started;
    } cases[] = {{"a PNG", {made("plan.png", "PNG")}, true},
                 {"a BMP, read whole", {made("plan.bmp", "BMP")}, false},
                 {"a project, by its name", {made("a.trc", "PNG")}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto loading = Startup::startPicture(c.arguments);
        EXPECT_EQ(loading != nullptr, c.started);
        if (loading) {
            EXPECT_EQ(loading->wait(), "");
        }
    }
}

TEST(Startup, ArgumentsAreJoinedBySingleSpaces) {
    EXPECT_EQ(MainWindow::joinArguments({"C:\\mes", "plans\\a.trc"}), "C:\\mes plans\\a.trc");
    EXPECT_EQ(MainWindow::joinArguments({}), "");
}

TEST(Splash, MovingTheMouseOverItClosesItAndRestoresTheArrow) {
    Splash splash;
    splash.show();
    EXPECT_EQ(splash.size(), QSize(418, 345));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QTest::mouseMove(&splash, QPoint(100, 100));
    QApplication::sendPostedEvents();
    QMouseEvent move(QEvent::MouseMove, QPointF(120, 120), QPointF(120, 120), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&splash, &move);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Runs `answer` once the modal dialog is on screen.
void whenShown(MessageDialog& dialog, std::function<void()> answer) {
    auto* poll = new QTimer(&dialog);
    QObject::connect(poll, &QTimer::timeout, &dialog, [&dialog, poll, answer] {
        if (!dialog.isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer();
    });
    poll->start(5);
}

QStringList shownButtons(const MessageDialog& d) {
    QStringList captions;
    for (QPushButton* b : {d.firstButton(), d.secondButton(), d.cancelButton(), d.okButton()})
        if (b->isVisible()) captions << b->text();
    return captions;
}

TEST(MessageDialog, ButtonSetsShowTheirButtonsAndAnswer) {
    MessageDialog dialog;
    struct Case {
        const char* set;
        const char* first;
        const char* second;
        QStringList buttons;
        int press; // index among the shown buttons
        char answer;
    } cases[] = {
        {"ON", "", "", {"Oui", "Non"}, 1, 'N'},
        {"OE", "supprimer", "annuler", {"supprimer", "Annuler"}, 0, 'O'},
        {"ONE", "Continuer", "Exemple", {"Continuer", "Exemple", "Annuler"}, 2, 'E'},
        {"K", "", "", {"OK"}, 0, 'E'},
        {"ON+", "", "", {"Oui", "Non"}, 0, 'O'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        QStringList seen;
        int messageSize = 0;
        whenShown(dialog, [&] {
            seen = shownButtons(dialog);
            messageSize = dialog.findChild<QLabel*>("LabelMessage")->font().pointSize();
            QPushButton* all[] = {dialog.firstButton(), dialog.secondButton(),
                                  dialog.cancelButton(), dialog.okButton()};
            int index = 0;
            for (QPushButton* b : all) {
                if (b->isVisible() && index++ == c.press) QTest::mousePress(b, Qt::LeftButton);
            }
        });
        const char answer = dialog.dlg_titre_message_ONEK_oui_non(
            "titre", "message", c.set, c.first, c.second, DialogWidth::Narrow);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen, c.buttons);
        EXPECT_EQ(messageSize, std::string(c.set).find('+') != std::string::npos ? 25 : 10);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(MessageDialog, ALongMessageAndLongCaptionsAreShownWhole) {
    MessageDialog dialog;
    bool whole = false;
    whenShown(dialog, [&] {
        const QLabel* message = dialog.findChild<QLabel*>("LabelMessage");
        const int top = dialog.firstButton()->y();
        whole = message->geometry().bottom() < top &&
                dialog.secondButton()->width() >=
                    dialog.secondButton()->fontMetrics().horizontalAdvance("Ne pas enregistrer") &&
                dialog.secondButton()->geometry().right() < dialog.cancelButton()->x();
        QTest::mousePress(dialog.cancelButton(), Qt::LeftButton);
    });
    dialog.dlg_titre_message_ONEK_oui_non("titre", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10", "ONE",
                                          "Enregistrer", "Ne pas enregistrer", DialogWidth::Narrow);
    EXPECT_TRUE(whole);
}

// The carriage returns of a title (F9's question) break its lines, above the message.
TEST(MessageDialog, CarriageReturnsBreakTheTitlesLines) {
    MessageDialog dialog;
    int lines = 0;
    bool apart = false;
    whenShown(dialog, [&] {
        const QLabel* title = dialog.findChild<QLabel*>("LabelTitre");
        const QLabel* message = dialog.findChild<QLabel*>("LabelMessage");
        lines = title->height() / title->fontMetrics().lineSpacing();
        apart = title->geometry().bottom() < message->y() &&
                message->geometry().bottom() < dialog.firstButton()->y();
        QTest::mousePress(dialog.cancelButton(), Qt::LeftButton);
    });
    dialog.dlg_titre_message_ONEK_oui_non(
        "\rrecopier l'altitude Z = 12\r\rsur le reste des points de la ligne n°2", "un\r\ndeux",
        "OE", "recopier", "annuler", DialogWidth::Wide);
    EXPECT_EQ(lines, 4) << "an empty line, the altitude, an empty line, the line";
    EXPECT_TRUE(apart);
}

TEST(MessageDialog, QuitQuestionShowsThePictureAndASecondQuestionAnswersCancel) {
    MessageDialog dialog;
    char nested = '?';
    bool picture = false;
    bool labels = true;
    QSize size;
    whenShown(dialog, [&] {
        picture = dialog.findChild<QLabel*>("ImageQuestion")->isVisible();
        labels = dialog.findChild<QLabel*>("LabelTitre")->isVisible();
        size = dialog.size();
        nested = dialog.dlg_titre_message_ONEK_oui_non("t", "m", "ON", "", "", DialogWidth::Wide);
        dialog.reject(); // closing the window
    });
    EXPECT_EQ(dialog.dlg_titre_message_ONEK_oui_non("titre", "Quitter", "ON", "", "annuler",
                                                    DialogWidth::Narrow),
              'E');
    EXPECT_EQ(nested, 'E') << "a dialog already on screen answers at once";
    EXPECT_TRUE(picture);
    EXPECT_FALSE(labels);
    EXPECT_EQ(size, QSize(455, 213));
}

// The review of an import gives back the user's text: a no-break space is a thousands mark to
// the reader, not a field separator, and the lines keep their CR LF.
TEST(MessageDialog, TheImportReviewKeepsTheUsersTextByteForByte) {
    MessageDialog dialog;
    QtInteraction interaction(nullptr, &dialog);
    const std::string text = "1\u00A0500 2\u00A0500 A\r\n3 4 B\r\n";
    const struct {
        const char* name;
        QString typed;
        std::string expected;
    } cases[] = {
        {"left as it is", {}, text},
        {"a line typed", QStringLiteral("5\u00A0000 6 C"), text + "5\u00A0000 6 C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        whenShown(dialog, [&] {
            QPlainTextEdit* pane = dialog.textPane();
            pane->moveCursor(QTextCursor::End);
            QTest::keyClicks(pane, c.typed);
            QTest::mousePress(dialog.firstButton(), Qt::LeftButton);
        });
        EXPECT_EQ(interaction.af_fic_txt_memo("contenu de points.txt\r", text), c.expected);
    }
}

TEST(MessageDialog, GradientRunsFromNavyToTurquoiseInBands) {
    QImage image(10, 512, QImage::Format_RGB32);
    QPainter painter(&image);
    paintGradientPanel(painter, image.rect(), QColor(0, 0, 140), QColor(28, 205, 208));
    painter.end();
    EXPECT_EQ(QColor(image.pixel(5, 0)), QColor(0, 0, 140));
    EXPECT_EQ(QColor(image.pixel(5, 511)), QColor(28, 205, 208));
    EXPECT_EQ(image.pixel(5, 2), image.pixel(5, 3)) << "each band covers H/256 rows";
    EXPECT_EQ(QColor(image.pixel(5, 256)),
              QColor(0 + 128 * 28 / 255, 128 * 205 / 255, 140 + 128 * 68 / 255));
}

TEST(AboutBox, TellsThisSystemAndItsMemoryInFrench) {
    AboutBox about;
    about.setImageDescription([] { return QStringLiteral("800x600x24=1406 "); });
    about.show();
    const QStringList lines = about.lines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Système : ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Mémoire totale : ")));
    for (const QString& line : lines.mid(0, 9)) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("^[^:]+ : \\S"))))
            << "a label and its value";
        for (const char* english : {"memory", "bytes", "free", "paging", "sizeof", "KB"})
            EXPECT_FALSE(line.contains(QLatin1String(english))) << english;
    }
    EXPECT_EQ(lines[9], QStringLiteral("Image=800x600x24=1406  Ko"));
    EXPECT_EQ(about.findChild<QLabel*>("TitreAPropos")->text(),
              QStringLiteral("TRACELLE version ") + kCaption.section(' ', -1))
        << "the version of the main window's caption";
    QTest::keyClick(&about, Qt::Key_A);
    EXPECT_FALSE(about.isVisible()) << "any key hides the box";
}

TEST(HelpWindow, ShowsTheHelpText) {
    HelpWindow help;
    EXPECT_TRUE(help.text().contains(QStringLiteral("T R A C E L L E")));
    EXPECT_TRUE(help.text().contains(QStringLiteral("Digitaliser")));
}

} // namespace
