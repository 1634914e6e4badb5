#include "ui/HelpWindow.h"

#include "files/Cp1252.h"
#include "platform/Paths.h"
#include "ui/Translations.h"

#include <QFile>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

// The help text built into the program, in the static library's resources.
static void initHelpResource() {
    Q_INIT_RESOURCE(resources);
}

namespace tracelle::ui {

namespace {

// The text installed beside the program first, then the copy built into it; in English the
// French text when no English one is found.
QString readHelp() {
    initHelpResource();
    QFile file;
    for (const std::string& name : resourceNames("tracelle.hep")) {
        const std::string path = platform::resourceFile(name);
        for (const QString& candidate :
             {QString::fromStdString(path), QStringLiteral(":/") + QString::fromStdString(name)}) {
            if (candidate.isEmpty()) continue;
            file.setFileName(candidate);
            if (file.open(QIODevice::ReadOnly)) {
                const QByteArray bytes = file.readAll();
                return QString::fromStdString(files::fileTextToUtf8(
                    {bytes.constData(), static_cast<std::size_t>(bytes.size())}));
            }
        }
    }
    return {};
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("     A  I  D  E     [ F 1 ]   p o u r    r e s s o r t i r "));
    resize(640, 560);
    pane_ = new QPlainTextEdit(this);
    pane_->setReadOnly(true);
    pane_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane_->setFont(QFont("DejaVu Sans Mono", 9));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pane_);
    pane_->setPlainText(readHelp());
    // F1 sends the user back, as the caption says.
    auto* back = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(back, &QShortcut::activated, this, &QWidget::hide);
}

QString HelpWindow::text() const {
    return pane_->toPlainText();
}

} // namespace tracelle::ui
