// The help window: the text of "tracelle.hep", or the copy built into the program.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tracelle::ui {

class Scrollf1 : public QWidget {
    Q_OBJECT
public:
    explicit Scrollf1(QWidget* parent = nullptr);
    QString text() const;

private:
    QPlainTextEdit* pane_;
};

} // namespace tracelle::ui
