// The keyboard and the wheel: the main window sees every key before its controls.
#include "platform/Interaction.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/TextPanel.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <cstdlib>
#include <utility>

namespace tracelle::ui {

namespace {

bool isViewKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        return true;
    default:
        return false;
    }
}

// A box the user is typing into keeps its keys, but for the ones that leave or quit: a space
// typed in a box must not start a new line. A list box takes its arrows to choose.
bool typingInto(const QWidget* w) {
    if (!w) return false;
    if (qobject_cast<const QComboBox*>(w)) return true;
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) return !line->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return !plain->isReadOnly();
    if (const auto* rich = qobject_cast<const QTextEdit*>(w)) return !rich->isReadOnly();
    return qobject_cast<const QAbstractSpinBox*>(w) != nullptr;
}

bool keptByTypingBox(int key) {
    return key != Qt::Key_Escape && key != Qt::Key_F12 && key != Qt::Key_F4;
}

} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    if (const int k = static_cast<QKeyEvent*>(event)->key(); k != Qt::Key_Control) {
        ctrlClick_ = false; // Ctrl held for a shortcut (Ctrl+Z) clicks nothing
    } else if (type == QEvent::KeyRelease) {
        if (std::exchange(ctrlClick_, false)) imagePressed(Qt::LeftButton, lastMouse_);
        return false;
    }
    if (type == QEvent::KeyRelease) return false;
    // Only the first receiver: the event then travels up to the parents.
    QWidget* first = QApplication::focusWidget();
    if (first && first->window() == this ? widget != first : widget != this) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::AltModifier) return false; // menu mnemonics
    if (typingInto(widget) && keptByTypingBox(key->key())) return false;

    if (type == QEvent::ShortcutOverride) {
        // F12 quits through the keyboard path (cursor placement first), not the menu's.
        if (key->key() != Qt::Key_F12) return false;
        key->accept();
        return true;
    }
    FormKeyDown(key->key(), key->modifiers());
    return !project_.tableMode();
}

void MainWindow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    bool hidTextPanel = false;
    switch (key) {
    case Qt::Key_Control:
        // The click comes when Ctrl is let go alone.
        ctrlClick_ = true;
        break;
    case Qt::Key_Escape:
        if (currentTool().cancel()) {
            // What the mode had under way is given up (a dragged point goes back).
        } else if (!textPanel_->isHidden()) {
            hideTextPanelWithRefresh();
            hidTextPanel = true;
        } else {
            placeCursorLeftOfCentre();
            imageArea_->update();
            askToQuit();
        }
        break;
    case Qt::Key_Delete:
    case Qt::Key_F6: // as the Edition menu says
        devalide_point();
        break;
    case Qt::Key_F4:
        tab_points();
        break;
    case Qt::Key_Space:
        Nouvelle_suite_de_points();
        break;
    case Qt::Key_D:
    case Qt::Key_S:
        if (hasPicture()) reportNearestLine();
        break;
    case Qt::Key_F12:
        placeCursorLeftOfCentre();
        imageArea_->update();
        askToQuit();
        break;
    default:
        if (isViewKey(key)) toucheVue(key);
        break;
    }
    Q_UNUSED(modifiers);
    if (!quitting_ && !hasPicture() && key != Qt::Key_Delete && key != Qt::Key_F6 &&
        key != Qt::Key_F4 && !hidTextPanel)
        platform::interaction().beep();
}

void MainWindow::wheel(int notches, QPoint) {
    if (project_.tableMode()) return;
    // With the normal direction, turning the wheel towards the user zooms in.
    const bool zoomIn = notches * wheelDirection_ < 0;
    for (int i = 0; i < std::abs(notches); ++i)
        FormKeyDown(zoomIn ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier);
}

} // namespace tracelle::ui
