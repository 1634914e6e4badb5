// The program's application object: every event it hands out is one action of the project's
// history, so that whatever a click, a key or a menu command changes is undone as one step.
#pragma once

#include <QApplication>

namespace tracelle::model {
class History;
}

namespace tracelle::ui {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The history of the project the user works on; null for none.
void setUndoHistory(model::History* history);
model::History* undoHistory();

} // namespace tracelle::ui
