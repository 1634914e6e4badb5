#include "ui/QtInteraction.h"

#include "ui/Bgr.h"
#include "ui/MessageDialog.h"
#include "ui/OpeningTimes.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFormLayout>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <filesystem>

namespace tracelle::ui {

namespace {

// The room the title bar's icon and buttons take beside a dialog's title.
constexpr int kTitleBarButtons = 160;

QString caption() {
    return QStringLiteral("tracelle");
}

QString startPath(const platform::FileDialogRequest& r) {
    if (r.fileName.empty()) return q(r.directory);
    if (r.directory.empty()) return q(r.fileName);
    return q(r.directory) + '/' + q(r.fileName);
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

// Adds the default extension when the user typed a name without one. The dialog asked about
// replacing the name typed, not the one completed: that one is asked here.
std::optional<std::string> withExtension(QWidget* parent, const QString& path,
                                         const std::string& extension) {
    if (path.isEmpty() || extension.empty()) return chosen(path);
    const QString name = path.section('/', -1);
    if (name.contains('.')) return chosen(path);
    const QString completed = path + '.' + q(extension).remove(QLatin1Char('.'));
    if (QFileInfo::exists(completed) &&
        QMessageBox::question(parent, caption(),
                              QCoreApplication::translate(
                                  "QtInteraction", "Le fichier %1 existe déjà.\nLe remplacer ?")
                                  .arg(completed.section('/', -1))) != QMessageBox::Yes)
        return std::nullopt;
    return chosen(completed);
}

} // namespace

QString toQtFilter(const std::string& filter) {
    const QString everything =
        QCoreApplication::translate("QtInteraction", "Tous les fichiers (*)");
    const QStringList parts = q(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // The dialog takes its patterns from between the parentheses, separated by spaces: a
        // description's own "(*.jpg, *.bmp)" would match no file at all.
        QString description = parts[i].section('(', 0, 0).trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts))
            patterns << pattern.trimmed();
        if (patterns.isEmpty()) continue;
        if (patterns == QStringList{QStringLiteral("*.*")} ||
            patterns == QStringList{QStringLiteral("*")})
            continue; // "*.*" would leave out names without a dot: the list ends with its own
        entries << description + " (" + patterns.join(' ') + ")";
    }
    entries << everything;
    return entries.join(QStringLiteral(";;"));
}

void QtInteraction::beep() {
    QApplication::beep();
}

// The desktop offers no tone of a chosen pitch: the system beep stands in for it.
void QtInteraction::beep(int, int) {
    QApplication::beep();
}

QWidget* QtInteraction::owner() {
    // The window the user works in (the converter, the points table): a message over the main
    // window would raise it above that window and hide it. Right after the message dialog
    // closes no window is active yet: the one it was asked from stands.
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible() && active != dialog_) lastOwner_ = active;
    return lastOwner_ && lastOwner_->isVisible() ? lastOwner_.data() : parent_;
}

void QtInteraction::information(const std::string& text) {
    QMessageBox::information(owner(), caption(), q(text));
}

bool QtInteraction::confirm(const std::string& text) {
    if (openingTimes::questionAsked()) return false;
    return QMessageBox::question(owner(), caption(), q(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

char QtInteraction::dlg_titre_message_ONEK_oui_non(const std::string& title,
                                                   const std::string& message,
                                                   const std::string& buttons,
                                                   const std::string& firstCaption,
                                                   const std::string& secondCaption,
                                                   platform::DialogWidth width) {
    owner();
    return dialog_->dlg_titre_message_ONEK_oui_non(title, message, buttons, firstCaption,
                                                   secondCaption, width);
}

std::optional<std::string> QtInteraction::af_fic_txt_memo(const std::string& title,
                                                          const std::string& text) {
    owner();
    QPlainTextEdit* pane = dialog_->textPane();
    pane->setPlainText(q(text));
    pane->document()->setModified(false);
    pane->show();
    const bool go = dialog_->dlg_titre_message_ONEK_oui_non(
                        title, "", "OE", tr("traiter").toStdString(), tr("annuler").toStdString(),
                        platform::DialogWidth::Narrow) == 'O';
    std::optional<std::string> reviewed;
    if (go && !pane->document()->isModified()) {
        reviewed = text; // the user's bytes, whatever the editor makes of them
    } else if (go) {
        // The raw text: the plain text would turn no-break spaces (a thousands mark) into
        // spaces. The lines end as the file's did.
        QString raw = pane->document()->toRawText();
        const QString end =
            text.find("\r\n") != std::string::npos ? QStringLiteral("\r\n") : QStringLiteral("\n");
        raw.replace(QChar::ParagraphSeparator, end).replace(QChar::LineSeparator, end);
        reviewed = raw.toStdString();
    }
    pane->clear();
    pane->hide();
    return reviewed;
}

std::optional<std::string> QtInteraction::openFileName(const platform::FileDialogRequest& r) {
    return chosen(
        QFileDialog::getOpenFileName(owner(), q(r.title), startPath(r), toQtFilter(r.filter)));
}

std::optional<std::string> QtInteraction::saveFileName(const platform::FileDialogRequest& r) {
    return withExtension(
        owner(),
        QFileDialog::getSaveFileName(owner(), q(r.title), startPath(r), toQtFilter(r.filter)),
        r.defaultExtension);
}

std::optional<std::string> QtInteraction::savePictureName(const platform::FileDialogRequest& r) {
    return saveFileName(r);
}

std::optional<std::uint32_t> QtInteraction::chooseColour(std::uint32_t initial) {
    const QColor colour = QColorDialog::getColor(fromBgr(initial), owner());
    if (!colour.isValid()) return std::nullopt;
    return toBgr(colour);
}

std::optional<platform::PdfPage> QtInteraction::choosePdfPage(const std::string& file,
                                                              int pageCount) {
    QDialog dialog(owner());
    dialog.setWindowTitle(tr("Ouvrir une page PDF"));
    auto* form = new QFormLayout(&dialog);
    const QString name = QString::fromStdString(std::filesystem::path(file).filename().string());
    form->addRow(new QLabel((pageCount > 1 ? tr("%1 : %2 pages") : tr("%1 : %2 page"))
                                .arg(name, QString::number(pageCount))));
    auto* page = new QSpinBox;
    page->setRange(1, std::max(pageCount, 1));
    form->addRow(tr("Page"), page);
    auto* dpi = new QSpinBox;
    // Beyond 1200 dpi a page is billions of pixels; under 36 no line can be read.
    dpi->setRange(36, 1200);
    dpi->setValue(300);
    dpi->setSuffix(tr(" dpi"));
    form->addRow(tr("Résolution"), dpi);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    // Its title whole beside the title bar's buttons: narrower, it reads "Ouvrir... e PDF".
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    dialog.setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle()) +
                           kTitleBarButtons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return platform::PdfPage{page->value(), dpi->value()};
}

std::optional<int> QtInteraction::popupMenu(const std::vector<std::string>& items) {
    QMenu menu(owner());
    for (std::size_t k = 0; k < items.size(); ++k)
        menu.addAction(q(items[k]))->setData(static_cast<int>(k));
    const QAction* chosen = menu.exec(QCursor::pos());
    if (!chosen) return std::nullopt;
    return chosen->data().toInt();
}

std::optional<std::string> QtInteraction::askText(const std::string& title,
                                                  const std::string& prompt,
                                                  const std::string& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), q(title), q(prompt), QLineEdit::Normal, q(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::string QtInteraction::clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

std::optional<picture::Rgb24> QtInteraction::clipboardPicture() {
    const QImage image =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB888);
    if (image.isNull()) return std::nullopt;
    picture::Rgb24 p{image.width(), image.height(), {}};
    const auto rowBytes = static_cast<std::size_t>(p.width) * 3;
    p.rgb.resize(rowBytes * static_cast<std::size_t>(p.height));
    for (int y = 0; y < p.height; ++y)
        std::copy_n(image.constScanLine(y), rowBytes, p.rgb.data() + rowBytes * y);
    return p;
}

void QtInteraction::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(q(text));
}

void QtInteraction::openWithDesktop(const std::string& path) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(q(path))))
        information(tr("Aucun programme n'a pu ouvrir <%1> : associez un programme à ce type de "
                       "fichier dans le bureau.")
                        .arg(q(path))
                        .toStdString());
}

void QtInteraction::setBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtInteraction::requestQuit() {
    // Through the main window's own closing, which asks "Quitter ?": QApplication::quit would
    // close the other windows first, whatever the answer.
    QMetaObject::invokeMethod(
        parent_,
        [window = QPointer<QWidget>(parent_)] {
            if (window) window->close();
        },
        Qt::QueuedConnection);
}

} // namespace tracelle::ui
