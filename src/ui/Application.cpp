#include "ui/Application.h"

#include "model/History.h"

namespace tracelle::ui {

namespace {
model::History* current = nullptr;
}

void setUndoHistory(model::History* history) {
    current = history;
}

model::History* undoHistory() {
    return current;
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    // Events inside it (a dialog's, a nested loop's) join the action of the outer one.
    if (!current) return QApplication::notify(receiver, event);
    const model::History::Step action(*current);
    return QApplication::notify(receiver, event);
}

} // namespace tracelle::ui
