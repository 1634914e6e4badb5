// A list inside a panel that scrolls: the wheel turned over it scrolls the panel, and changes
// the list's choice only once the user has clicked into the list.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

namespace tracelle::ui {

class WheelScrollsPast : public QObject {
public:
    // Watches `list` for as long as it lives.
    explicit WheelScrollsPast(QComboBox* list) : QObject(list) {
        list->setFocusPolicy(Qt::StrongFocus); // the wheel no longer gives it the focus
        list->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* list = static_cast<QComboBox*>(watched);
        if (event->type() != QEvent::Wheel || list->hasFocus() || !list->parentWidget())
            return false;
        // Passed on up from the list's parent, as an event the list ignored would be.
        QCoreApplication::sendEvent(list->parentWidget(), event);
        return true;
    }
};

} // namespace tracelle::ui
