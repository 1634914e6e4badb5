// The lines a vectorisation found, drawn over the view of the picture until they are kept or
// given up: each in a colour of its own, so that where one line ends and the next begins shows.
// Drawn over the image area, never into the layer, so that nothing of it is ever saved.
#pragma once

#include "trace/Vectorize.h"

#include <QWidget>
#include <vector>

namespace tracelle::ui {

class ImageArea;

class VectorPreview : public QWidget {
public:
    explicit VectorPreview(ImageArea& area);

    void setLines(std::vector<trace::VectorLine> lines);
    // Lines found while the work goes on, drawn with those before.
    void addLines(std::vector<trace::VectorLine> lines);
    void clear();
    const std::vector<trace::VectorLine>& lines() const { return lines_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ImageArea& area_;
    std::vector<trace::VectorLine> lines_;
};

} // namespace tracelle::ui
