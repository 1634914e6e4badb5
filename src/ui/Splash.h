// The start-up window: a borderless card with the title and three pictures, shown while the
// other windows are built. It leaves 2 s after the main window comes forward, or at once
// when the mouse moves over it.
#pragma once

#include <QWidget>

class QTimer;

namespace tracelle::ui {

class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(QWidget* parent = nullptr);
    ~Splash() override;

    // Starts the 2000 ms wait before hiding (called once the main window is active).
    void leaveSoon();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QTimer* leaveTimer_;
};

} // namespace tracelle::ui
