#include "ui/TextPanel.h"

#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "ui/FlowLayout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>

namespace tracelle::ui {

TextPanel::TextPanel(QWidget* parent) : FloatingPanel("PanelTexte", QColor(230, 230, 210), parent) {
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("MemoTexte");
    memo_->setFont(QFont("DejaVu Sans Mono", 9));

    const auto button = [this](const QString& caption, const QString& hint = {}) {
        auto* b = new QPushButton(caption, this);
        if (!hint.isEmpty()) b->setToolTip(hint);
        return b;
    };
    auto* fermer = button(tr("Fermer"));
    auto* vider = button(tr("Vider le texte"), tr("Efface le texte"));
    auto* copier =
        button(tr("Copier -> pp"), tr("Copie l'ensemble du texte dans le presse-papier"));
    auto* rajouter =
        button(tr("Rajouter -> pp"), tr("Rajoute l'ensemble du texte dans le presse-papier"));
    auto* blocNote = button(tr("Bloc note"));

    auto* grip = new QLabel(tr("Résultats"), this);
    grip->setAttribute(Qt::WA_TransparentForMouseEvents); // the title area drags the panel

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(grip);
    layout->addWidget(memo_, 1);
    // The buttons wrap: the panel narrows to stand beside the zone its report is about.
    auto* buttons = new FlowLayout(6);
    for (QPushButton* b : {fermer, vider, copier, rajouter, blocNote})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    resize(560, 320);

    connect(fermer, &QPushButton::clicked, this, [this] {
        hide();
        emit closed();
    });
    connect(vider, &QPushButton::clicked, memo_, &QPlainTextEdit::clear);
    connect(copier, &QPushButton::clicked, this, &TextPanel::copyToClipboard);
    connect(rajouter, &QPushButton::clicked, this, &TextPanel::appendToClipboard);
    connect(blocNote, &QPushButton::clicked, this, &TextPanel::openNotepad);
}

void TextPanel::append(const QString& text) {
    memo_->appendPlainText(text);
}

void TextPanel::copyToClipboard() {
    platform::interaction().setClipboardText(memo_->toPlainText().toStdString());
    platform::interaction().information(
        tr("le texte à été copié dans le presse papier").toStdString());
}

void TextPanel::appendToClipboard() {
    const std::string existing = platform::interaction().clipboardText();
    if (existing.empty()) {
        copyToClipboard();
        return;
    }
    std::string joined = existing;
    if (joined.back() != '\n') joined += '\n';
    for (const QString& line : memo_->toPlainText().split('\n'))
        joined += line.toStdString() + '\n';
    platform::interaction().setClipboardText(joined);
    platform::interaction().information(
        tr("le texte à été rajouté dans le presse papier").toStdString());
}

void TextPanel::openNotepad() {
    const std::string path = platform::currentDirFile("surface.txt");
    // The editor opens an existing file only: an absent one is created empty first.
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) std::ofstream(path).close();
    platform::interaction().openWithDesktop(path);
}

} // namespace tracelle::ui
