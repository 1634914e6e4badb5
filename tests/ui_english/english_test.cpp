// Every window of the program in English: each text it shows is one of the catalogues'
// translations and fits in its label or button. A window's failures are listed together, with
// the widget and the text, so that a translator finds each one.
#include "EnglishTexts.h"
#include "files/Recovery.h"
#include "picture/BmpCodec.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "ui/AltitudePanel.h"
#include "ui/CalibrationPanels.h"
#include "ui/ExportPanel.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/PointsTableWindow.h"
#include "ui/SheetImportPanel.h"
#include "ui/Startup.h"
#include "ui/TextPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tt = tracelle::testing;
using namespace tracelle;

namespace {

const tt::EnglishTexts& english() {
    static const tt::EnglishTexts texts = tt::EnglishTexts::fromFolder(TRANSLATIONS_DIR);
    return texts;
}

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return w;
    ADD_FAILURE() << "no window " << name;
    return nullptr;
}

// The program as the user finds it after a few minutes: a picture calibrated, a line of three
// points, the project saved; every window built by the real start-up.
struct Session {
    Session() {
        startup.show();
        w = &startup.mainWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        picture::Raster map = picture::Raster::create(200, 100);
        map.fill(picture::rgb555(255, 255, 255));
        picture::writeBmp(map, picturePath);
        ui.answerConfirm(false); // no calibration panel at once
        w->Ouvrir_fichier_image(picturePath, "");
        QTest::mouseClick(w->calibrationPanel()->findChild<QPushButton*>("BoutonCalibrer"),
                          Qt::LeftButton);
        for (const auto& [x, y] :
             {std::pair{20, 20}, {20, 80}, {180, 80}, {50, 50}, {70, 50}, {90, 30}})
            click(x, y);
        ui.answerFileName(projectPath);
        w->saveProject();
        EXPECT_EQ(w->project().N(), 3);
        opening = said();
        ui.messages.clear();
        ui.questions.clear();
        ui.fileDialogs.clear();
        ui.prompts.clear();
        ui.menus.clear();
    }
    // What the program said through the interaction: messages, questions, prompts, menus,
    // and the titles and kinds of file of its file dialogs.
    std::vector<std::string> said() const {
        std::vector<std::string> texts = ui.messages;
        texts.insert(texts.end(), ui.questions.begin(), ui.questions.end());
        texts.insert(texts.end(), ui.prompts.begin(), ui.prompts.end());
        for (const auto& items : ui.menus)
            texts.insert(texts.end(), items.begin(), items.end());
        for (const platform::FileDialogRequest& request : ui.fileDialogs) {
            texts.push_back(request.title);
            const QStringList filter = QString::fromStdString(request.filter).split('|');
            for (int i = 0; i < filter.size(); i += 2)
                texts.push_back(filter[i].toStdString());
        }
        return texts;
    }
    void click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        auto* area = w->findChild<ui::ImageArea*>("ImageCarte");
        QTest::mouseClick(area, button, {}, area->toArea({x, y}).toPoint());
    }
    // The tool button of a French caption, as it shows in any language.
    QToolButton* toolButton(const char* french) {
        const QStringList captions = english().captions(QString::fromUtf8(french));
        for (QToolButton* b : w->findChildren<QToolButton*>())
            if (captions.contains(b->text())) return b;
        ADD_FAILURE() << "no button " << french;
        return nullptr;
    }
    // On its box: the caption may be cut.
    static void tick(QAbstractButton* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    // The names the test itself gives, shown as they are in any language.
    QStringList allowed() const {
        return {QString::fromStdString(home.dir.string()), QStringLiteral("carte.bmp"),
                QStringLiteral("projet.trc"), QStringLiteral("200 x 100"),
                QStringLiteral("t r a c e l l e")};
    }

    tt::ConfigHome home{"tracelle_english_"};
    const std::string picturePath = (home.dir / "carte.bmp").string();
    const std::string projectPath = (home.dir / "projet.trc").string();
    ui::Startup startup{QStringList()};
    tt::ScriptedInteraction ui; // after the start-up, which installs the windows' own
    ui::MainWindow* w = nullptr;
    std::vector<std::string> opening; // said while the picture was opened and calibrated
    std::vector<tt::Finding> found;   // by windows walked while they are modal
};

// The message dialog, modal, walked once on screen and then closed.
QWidget* messageDialog(Session& s) {
    ui::MessageDialog& dialog = s.startup.messageDialog();
    for (const char* buttons : {"ONE", "ON", "K"}) {
        QTimer::singleShot(0, &dialog, [&s, &dialog, buttons] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            for (tt::Finding& f :
                 tt::walkTexts(&dialog, QStringLiteral("MessageDialog ") + buttons, english(),
                               s.allowed() << QStringLiteral("Title") << QStringLiteral("Message")))
                s.found.push_back(std::move(f));
            dialog.reject();
        });
        dialog.dlg_titre_message_ONEK_oui_non("Title", "Message", buttons, "", "",
                                              platform::DialogWidth::Narrow);
    }
    return nullptr;
}

QWidget* shown(QWidget* panel) {
    panel->show();
    return panel;
}

struct Opening {
    const char* name;
    // Opens it as the user would and gives what to walk; nothing when it is walked already.
    QWidget* (*open)(Session&);
    // Or the main window's command that opens the window of that name.
    void (ui::MainWindow::*show)() = nullptr;
};
void PrintTo(const Opening& opening, std::ostream* out) {
    *out << opening.name;
}

const Opening kOpenings[] = {
    {"MainWindow", [](Session& s) -> QWidget* { return s.w; }},
    {"PointsTableWindow", nullptr, &ui::MainWindow::showPointsTable},
    {"ConverterWindow", nullptr, &ui::MainWindow::showConverter},
    {"GraphWindow", nullptr, &ui::MainWindow::showGraph},
    {"PictureConversionWindow", nullptr, &ui::MainWindow::showPictureConversion},
    {"HelpWindow", nullptr, &ui::MainWindow::AideClick},
    {"AboutBox", nullptr, &ui::MainWindow::AProposClick},
    {"CalibrationPanel", [](Session& s) { return shown(s.w->calibrationPanel()); }},
    {"ScalePanel", [](Session& s) { return shown(s.w->scalePanel()); }},
    {"TextPanel",
     [](Session& s) -> QWidget* {
         s.w->reportNearestLine();
         return s.w->textPanel();
     }},
    {"AltitudePanel",
     [](Session& s) -> QWidget* {
         s.w->showPointsTable();
         auto* table = static_cast<ui::PointsTableWindow*>(topLevel("PointsTableWindow"));
         Session::tick(table->altitudeCheckBox());
         return s.w->altitudePanel();
     }},
    {"ExportPanel",
     [](Session& s) -> QWidget* {
         s.w->affiche_panel_sauve();
         return s.w->exportPanel();
     }},
    {"GeoreferencedPicturePanel",
     [](Session& s) {
         s.w->enregistreImageGeoreferencee();
         return s.w->findChild<QWidget*>("PanelImageGeoreferencee");
     }},
    {"SheetImportPanel",
     [](Session& s) -> QWidget* {
         s.ui.answerConfirm(true);
         s.ui.answerFileName((s.home.dir / "carte.bmp").string());
         s.w->chooseSpreadsheet();
         return s.w->sheetImportPanel();
     }},
    {"TracingPanel",
     [](Session& s) {
         QTest::mouseClick(s.toolButton("Suivre le trait"), Qt::LeftButton);
         return s.w->findChild<QWidget*>("PanneauTrace");
     }},
    {"TracingPanelByXStep",
     [](Session& s) {
         QTest::mouseClick(s.toolButton("Suivre le trait"), Qt::LeftButton);
         auto* panel = s.w->findChild<QWidget*>("PanneauTrace");
         Session::tick(panel->findChild<QCheckBox*>("CourbePasX"));
         return panel;
     }},
    {"StartupQuestions",
     [](Session& s) -> QWidget* {
         EXPECT_EQ(files::ecritSecours(s.w->project(), "carte"), "");
         s.ui.answerConfirm(false);
         s.w->proposeSecours();
         s.ui.messages.insert(s.ui.messages.end(), s.opening.begin(), s.opening.end());
         return nullptr;
     }},
    {"EditingMenus",
     [](Session& s) -> QWidget* {
         s.ui.answerMenu(std::nullopt);
         s.click(70, 50, Qt::RightButton); // a point
         s.ui.answerMenu(std::nullopt);
         s.click(60, 50, Qt::RightButton); // a segment
         return nullptr;
     }},
    {"MessageDialog", messageDialog},
};

// Symbols, formats and names that read the same in English, marked for translation or not.
const QRegularExpression kSameInEnglish(QRegularExpression::anchoredPattern(
    "[nLXYZxyz]|d[XY]|[XYZ]=|OK|RMS|Helmert|GeoTIFF|GeoJSON|KML|Shapefile|DXF|txt|xls|bln|jpeg|bmp|"
    "tif|[+-] \\(F\\d\\)| [xy] / 1000|"
    "(Lambert-93|Lambert CC\\d\\d|UTM \\d\\dN \\(WGS 84\\)|WGS 84 longitude, latitude) "
    "\\(EPSG:\\d+\\)"));

class English : public ::testing::TestWithParam<Opening> {};

TEST_P(English, EveryTextIsEnglishAndWhole) {
    ASSERT_GT(english().size(), 0) << "no translation read from " << TRANSLATIONS_DIR;
    Session s;
    const QString name = QString::fromLatin1(GetParam().name);
    QWidget* root = GetParam().open ? GetParam().open(s)
                                    : ((s.w->*GetParam().show)(), topLevel(GetParam().name));
    std::vector<tt::Finding> found = std::move(s.found);
    if (root) {
        EXPECT_TRUE(root->isVisible()) << "not opened";
        for (tt::Finding& f : tt::walkTexts(root, name, english(), s.allowed()))
            found.push_back(std::move(f));
    }
    for (tt::Finding& f : tt::checkMessages(s.said(), name, english(), s.allowed()))
        found.push_back(std::move(f));
    // Twin widgets (the grids of one table, a menu and the bar) fail alike: said once.
    QStringList lines;
    for (const tt::Finding& f : found)
        if (!kSameInEnglish.match(f.text).hasMatch() || f.fault != QLatin1String("not English"))
            lines << tt::describe(f);
    lines.removeDuplicates();
    EXPECT_TRUE(lines.isEmpty()) << lines.size() << " texts:\n" << lines.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, English, ::testing::ValuesIn(kOpenings),
                         [](const auto& info) { return std::string(info.param.name); });

// The walker itself, over a catalogue of a few entries: French left behind and cut captions
// are reported, English, numbers and the test's own names are not.
TEST(EnglishWalk, ReportsFrenchAndCutTextsOnly) {
    const tt::EnglishTexts texts = tt::EnglishTexts::fromTs(
        "<TS><context><name>W</name>"
        "<message><source>Ouvrir</source><translation>&amp;Open</translation></message>"
        "<message><source>%1 points lus</source><translation>%1 points read</translation>"
        "</message><message><source>Fermer</source>"
        "<translation type=\"unfinished\"></translation></message></context></TS>");
    enum Kind { Label, Push, Check, Tool };
    const struct {
        const char* text;
        const char* tip;
        Kind kind;
        int width;
        const char* fault; // empty: none
    } rows[] = {
        {"Open", "", Label, 200, ""},
        {"Fermer", "", Label, 200, "not English"},
        {"12 points read", "", Label, 200, ""},
        {"12,5", "", Label, 200, ""},
        {"carte.bmp", "", Label, 200, ""},
        {"Open", "", Label, 10, "cut"},
        {"&Open", "", Push, 200, ""},
        {"&Open", "Ouvrir le projet", Push, 200, "not English"},
        {"Open", "", Push, 12, "cut"},
        {"&Open", "", Check, 200, ""},
        {"&Open", "", Check, 30, "cut"},
        {"Open", "", Tool, 200, ""},
        {"Open", "", Tool, 14, "cut"},
    };
    QWidget window;
    window.resize(300, 40 * int(std::size(rows)));
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const auto& row = rows[i];
        QWidget* w = nullptr;
        switch (row.kind) {
        case Label:
            w = new QLabel(row.text, &window);
            break;
        case Push:
            w = new QPushButton(row.text, &window);
            break;
        case Check:
            w = new QCheckBox(row.text, &window);
            break;
        case Tool:
            auto* tool = new QToolButton(&window);
            tool->setText(row.text);
            w = tool;
        }
        w->setObjectName(QString::number(i));
        w->setToolTip(row.tip);
        w->setGeometry(0, 40 * i, row.width, 30);
    }
    window.show();
    const auto found = tt::walkTexts(&window, "test", texts, {"carte.bmp"});
    for (int i = 0; i < int(std::size(rows)); ++i) {
        SCOPED_TRACE(i);
        QStringList faults;
        for (const tt::Finding& f : found)
            if (f.objectName == QString::number(i)) faults << f.fault.section(':', 0, 0);
        EXPECT_EQ(faults.join(QLatin1Char(',')).toStdString(), rows[i].fault);
    }
    EXPECT_EQ(texts.captions("Ouvrir"), QStringList({"Ouvrir", "&Open"}));
}

} // namespace
