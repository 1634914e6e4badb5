// Window of the picture conversion window: metafiles and bitmaps to TIFF, JPEG or BMP.
#pragma once

#include <QWidget>

namespace tracelle::ui {

class Emf : public QWidget {
    Q_OBJECT
public:
    explicit Emf(QWidget* parent = nullptr);
};

} // namespace tracelle::ui
