// The floating text panel where measurement reports are written.
#pragma once

#include "ui/FloatingPanel.h"

class QPlainTextEdit;

namespace tracelle::ui {

class TextPanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit TextPanel(QWidget* parent);

    QPlainTextEdit* memo() const { return memo_; }
    void append(const QString& text);

    // "Copier -> pp" and "Rajouter -> pp".
    void copyToClipboard();
    void appendToClipboard();
    // "Bloc note": "surface.txt" of the current directory in the desktop's text editor.
    void openNotepad();

signals:
    // "Fermer" was pressed; the panel is already hidden.
    void closed();

private:
    QPlainTextEdit* memo_;
};

} // namespace tracelle::ui
