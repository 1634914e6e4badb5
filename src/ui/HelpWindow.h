// The help window: the text of "tracelle.hep", or the copy built into the program.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tracelle::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QString text() const;

private:
    QPlainTextEdit* pane_;
};

} // namespace tracelle::ui
