// The about box: the program's title and a description of the system, refreshed each time
// the box comes forward. Any key hides it.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace tracelle::ui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The main window's size text of the loaded picture (empty without one).
    void setImageDescription(std::function<QString()> describe) { describe_ = std::move(describe); }
    // Refills the ten information lines.
    void refresh();
    QStringList lines() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<QLabel*> lines_;
    QPushButton* button_;
    std::function<QString()> describe_;
};

} // namespace tracelle::ui
