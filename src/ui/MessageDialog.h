// The program's own message dialog: a borderless, rounded window with a gradient, a title,
// a message (or the quit picture) and up to four buttons named by a button-set code.
#pragma once

#include "platform/Interaction.h"

#include <QDialog>
#include <QPoint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tracelle::ui {

class MessageDialog : public QDialog {
    Q_OBJECT
public:
    explicit MessageDialog(QWidget* parent = nullptr);

    // Buttons: "O" first, "N" second, "E" cancel, "K" OK, "+" large message. Answers 'O', 'N',
    // or 'E' for anything else, at once when the dialog is already on screen. The narrow
    // entry point (main window) is 455 pixels wide, the wide one 605 and it hides the text
    // pane afterwards.
    char dlg_titre_message_ONEK_oui_non(const std::string& title, const std::string& message,
                                        const std::string& buttons, const std::string& firstCaption,
                                        const std::string& secondCaption,
                                        platform::DialogWidth width);

    // The pane that the review of an import fills and shows.
    QPlainTextEdit* textPane() const { return textPane_; }

    QPushButton* firstButton() const { return first_; }
    QPushButton* secondButton() const { return second_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPushButton* makeButton(const QString& caption, char answer);

    QLabel* title_;
    QLabel* message_;
    QLabel* picture_;
    QPlainTextEdit* textPane_;
    QPushButton* first_;
    QPushButton* second_;
    QPushButton* cancel_;
    QPushButton* ok_;
    char answer_ = 'E';
    bool dragging_ = false;
    QPoint dragStart_;
};

} // namespace tracelle::ui
