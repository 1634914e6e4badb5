// A page of a PDF opened as the background picture, and reopened with its project.
#include "MapWindow.h"
#include "files/ProjectFile.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>

using namespace tracelle;

namespace {

class PdfPicture : public tracelle::testing::MapWindow {
protected:
    PdfPicture() : MapWindow("tracelle_pdf_") {}

    // Two pages of 100 × 50 mm: the first red on its left half, the second blue.
    std::string twoPages() {
        const std::string file = (home_.dir / "plan.pdf").string();
        QPdfWriter writer(QString::fromStdString(file));
        writer.setPageSize(QPageSize(QSizeF(100, 50), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, writer.width() / 2, writer.height()), Qt::red);
        writer.newPage();
        painter.fillRect(QRect(0, 0, writer.width(), writer.height()), Qt::blue);
        return file;
    }
};

TEST_F(PdfPicture, APageOpensAtItsResolutionAndComesBackWithTheProject) {
    const std::string pdf = twoPages();
    ui.answerFileName(pdf);
    ui.answerPdfPage(platform::PdfPage{2, 100});
    ui.answerConfirm(false); // no calibration panel
    w.action("&Fichier|=> &Charger une image de fond seule")->trigger();
    ASSERT_EQ(ui.pdfPageCounts, std::vector<int>{2});
    const auto& state = w.project().picture();
    EXPECT_EQ(state.file, pdf);
    EXPECT_EQ(state.pdfPage, 2);
    // 100 mm at 100 dpi.
    EXPECT_NEAR(w.layer().picture()->width(), 394, 1);
    EXPECT_EQ(picture::blue8(w.layer().picture()->pixel(10, 10)), 255) << "the second page";

    const std::string project = (home_.dir / "plan.trc").string();
    ASSERT_EQ(files::sauve_projet(w.project(), project), "");
    w.project().setSaved(true);
    ui.answerFileName(project);
    w.action("&Fichier|===> Ouvrir un fichier *.trc  (points et image associés)")->trigger();
    EXPECT_EQ(ui.pdfPageCounts.size(), 1u) << "the page and resolution come from the project";
    EXPECT_EQ(w.project().picture().pdfDpi, 100);
    EXPECT_NEAR(w.layer().picture()->width(), 394, 1);

    ui.answerFileName(pdf);
    ui.answerPdfPage(std::nullopt); // cancelled: the picture stays
    w.action("&Fichier|=> &Charger une image de fond seule")->trigger();
    EXPECT_EQ(w.project().picture().pdfPage, 2);
}

// Without its module the page is refused with the reason, and the picture in place stays. A
// process opens a module once: the test runs again in a process of its own, whose module
// folder is one without it.
TEST_F(PdfPicture, WithoutItsModuleAPageIsRefusedWithTheReason) {
    if (!qEnvironmentVariableIsSet("TRACELLE_TEST_NO_MODULE")) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TRACELLE_MODULE_DIR", QString::fromStdString(home_.dir.string()));
        environment.insert("TRACELLE_TEST_NO_MODULE", "1");
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        QProcess run;
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
        ASSERT_TRUE(run.waitForFinished(120000));
        const std::string output = run.readAll().toStdString();
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << output;
        EXPECT_EQ(run.exitCode(), 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
        return;
    }
    load();
    w.project().setSaved(true);
    const std::string pdf = twoPages();
    ui.answerFileName(pdf);
    w.action("&Fichier|=> &Charger une image de fond seule")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(pdf), std::string::npos) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("tracelle_pdf.so ne peut pas être chargé"), std::string::npos)
        << ui.messages[0];
    EXPECT_EQ(w.project().picture().file, picturePath);
    EXPECT_EQ(w.layer().picture()->width(), 200);
}

} // namespace
