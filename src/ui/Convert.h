// Window of the converter window: UTM and latitude/longitude lists.
#pragma once

#include <QWidget>

namespace tracelle::ui {

class Convert : public QWidget {
    Q_OBJECT
public:
    explicit Convert(QWidget* parent = nullptr);
};

} // namespace tracelle::ui
