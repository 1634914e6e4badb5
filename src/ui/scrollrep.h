// Window of the graph window: the points drawn in three dimensions.
#pragma once

#include <QWidget>

namespace tracelle::ui {

class Scrollrep : public QWidget {
    Q_OBJECT
public:
    explicit Scrollrep(QWidget* parent = nullptr);
};

} // namespace tracelle::ui
