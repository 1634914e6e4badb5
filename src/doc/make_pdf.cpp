// Builds the program's PDF documents from their HTML source: tracelle's own help on the UTM
// projection, laid out by Qt so that no other tool is needed to build it.
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage : make_pdf SOURCE.html SORTIE.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_pdf : %s illisible\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    document.setHtml(QString::fromUtf8(source.readAll()));
    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator(QStringLiteral("Tracelle"));
    document.print(&pdf);
    return 0;
}
