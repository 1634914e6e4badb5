// The main window: the picture, the digitizing workflow and every command.
#pragma once

#include "model/Project.h"

#include <QMainWindow>

namespace tracelle::ui {

class Scroll : public QMainWindow {
    Q_OBJECT
public:
    explicit Scroll(QWidget* parent = nullptr);

    model::Project& project() { return project_; }

private:
    model::Project project_;
};

} // namespace tracelle::ui
