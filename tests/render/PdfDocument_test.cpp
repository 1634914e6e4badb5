#include "render/GuiApplication.h"
#include "render/PdfDocument.h"
#include "support/TempFiles.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::testing;

namespace {

struct PdfDocument : TempSuite<PdfDocument> {
    static std::filesystem::path dir() { return tempFolder("pdf_"); }

    // Two pages of 100 × 50 mm: the first red on its left half, the second all blue.
    static std::string twoPages() {
        const std::string file = path("two.pdf");
        EXPECT_EQ(render::ensureGuiApplication(), "");
        QPdfWriter writer(QString::fromStdString(file));
        writer.setPageSize(QPageSize(QSizeF(100, 50), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        const QRect page(0, 0, writer.width(), writer.height());
        painter.fillRect(QRect(0, 0, page.width() / 2, page.height()), Qt::red);
        writer.newPage();
        painter.fillRect(page, Qt::blue);
        painter.end();
        return file;
    }
};

TEST_F(PdfDocument, PageRenderedAtTheWidthAsked) {
    std::string error;
    const render::PdfDocument pdf = render::PdfDocument::load(twoPages(), &error);
    ASSERT_FALSE(pdf.empty()) << error;
    EXPECT_EQ(pdf.pageCount(), 2);
    EXPECT_NEAR(pdf.pageSize(0).width(), 100 / 25.4 * 72, 0.5);
    EXPECT_NEAR(pdf.pageSize(0).height(), 50 / 25.4 * 72, 0.5);
    // The writer rounds the page to whole points: 283 × 142.
    const QSizeF points = pdf.pageSize(0);
    for (int width : {400, 1063}) {
        SCOPED_TRACE(width);
        const QImage first = pdf.renderPage(0, width, Qt::white, &error);
        const int height = static_cast<int>(std::lround(points.height() * width / points.width()));
        ASSERT_EQ(first.size(), QSize(width, height)) << error;
        EXPECT_EQ(first.pixelColor(width / 8, width / 4).name(), "#ff0000");
        EXPECT_EQ(first.pixelColor(width * 7 / 8, width / 4).name(), "#ffffff");
    }
    const QImage second = pdf.renderPage(1, 300, Qt::white, &error);
    EXPECT_EQ(second.pixelColor(150, 75).name(), "#0000ff");
    EXPECT_TRUE(pdf.renderPage(2, 300, Qt::white, &error).isNull());
    EXPECT_EQ(error, "la page 3 n'existe pas dans ce document");
}

TEST_F(PdfDocument, DamagedFileRefusedWithoutANoise) {
    const std::vector<char> whole = bytesOf(twoPages());
    const struct {
        const char* name;
        std::vector<char> bytes;
    } rows[] = {
        {"text.pdf", {'h', 'e', 'l', 'l', 'o'}},
        {"cut.pdf", std::vector<char>(whole.begin(), whole.begin() + 200)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        writeBytes(path(r.name), r.bytes);
        std::string error;
        ::testing::internal::CaptureStderr();
        const render::PdfDocument pdf = render::PdfDocument::load(path(r.name), &error);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_TRUE(pdf.empty());
        EXPECT_EQ(error, "ce fichier n'est pas un document PDF lisible");
    }
}

} // namespace
