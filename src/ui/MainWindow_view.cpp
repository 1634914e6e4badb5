// The view of the layer (zoom, scrolling, window size) and the overlay drawn on the layer.
#include "model/NumberText.h"
#include "picture/Placement.h"
#include "platform/Interaction.h"
#include "ui/Bgr.h"
#include "ui/ImageArea.h"
#include "ui/LayerPainter.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <optional>

namespace tracelle::ui {

using platform::interaction;

namespace {

// Dots, markers and labels of a point far outside the canvas show nothing, and their
// rectangles would overflow the integers.
bool nearLayer(const picture::Layer& layer, int x, int y) {
    constexpr int kFar = 1 << 20;
    return x > -kFar && y > -kFar && x < layer.width() + kFar && y < layer.height() + kFar;
}

} // namespace

void MainWindow::init_calque_a_b_pen() {
    view_ = picture::wholeLayer(layer_.width(), layer_.height());
    redrawNeeded_ = true;
}

void MainWindow::redessiner() {
    if (layer_.empty()) return;
    if (view_ == shown_ && !redrawNeeded_) return;
    shown_ = view_;
    redrawNeeded_ = false;
    imageArea_->setView(view_);
    horizontalBar_->setPageStep(std::max(1, (view_.x2 - view_.x1) / 3));
    verticalBar_->setPageStep(std::max(1, (view_.y2 - view_.y1) / 3));
}

void MainWindow::redessiner_calque() {
    // Drawn once the picture has arrived (waitForPicture draws it then).
    if (layer_.empty() || pictureArriving()) return;
    layer_.clear();
    redrawNeeded_ = true;
    if (sansLignes_->isChecked()) return;
    const auto& cal = project_.calibration();
    LayerPainter painter(layer_);
    overlayPainter_ = &painter;
    for (int k = 1; k <= project_.K(); ++k)
        af_croix_calage(model::val_entier(cal.cell(k, project_.indice_col_cal("x"))),
                        model::val_entier(cal.cell(k, project_.indice_col_cal("y"))));
    const bool pending = project_.lineBreakPending();
    const auto& points = project_.points();
    const int nCol = project_.indice_col("n");
    int previousLine = -1;
    for (int i = 1; i <= project_.N() && i < points.rowCount(); ++i) {
        if (points.cell(i, nCol).empty()) continue;
        const auto at = project_.extrait_xy(i);
        const int L = model::val_entier(points.cell(i, project_.indice_col("L")));
        if (L > 0) project_.setLineBreakPending(L != previousLine);
        previousLine = L;
        af_point(at.x, at.y, L, i);
    }
    overlayPainter_ = nullptr;
    project_.setLineBreakPending(pending);
}

void MainWindow::af_point(int x, int y, int L, int i) {
    if (layer_.empty()) return;
    const auto& lines = project_.lines();
    // A deleted line leaves its cells empty: they draw as 0, without a question.
    const auto setting = [&](const char* header) {
        const std::string_view text = lines.cell(L, model::indice_col_grille(lines, header));
        return text.empty() ? 0 : model::val_entier(text);
    };
    const QColor colour = fromBgr(static_cast<std::uint32_t>(setting("couleur")));
    const int thickness = setting("épaisseur");
    const bool shown = !lines.cell(L, model::indice_col_grille(lines, "OK")).empty();
    const int dotWidth = thickness >= 2 ? 2 * thickness : 1;
    // One painter for a whole redraw; a point drawn alone opens its own.
    std::optional<LayerPainter> own;
    LayerPainter* painter = overlayPainter_;
    if (!painter) painter = &own.emplace(layer_);
    const QPoint at(x, y);
    const bool near = nearLayer(layer_, x, y);
    if (shown && near) {
        const QPen dot(colour, dotWidth, Qt::SolidLine, Qt::SquareCap);
        painter->paint(QRect(at, at).adjusted(-dotWidth, -dotWidth, dotWidth, dotWidth),
                       [&](QPainter& p) {
                           p.setPen(dot);
                           p.drawPoint(at);
                       });
    }
    if (i >= 2 && drawsLines_ && !project_.lineBreakPending() && shown)
        painter->line(previousPoint_, at,
                      QPen(colour, std::max(thickness, 1), Qt::SolidLine, Qt::RoundCap));
    if (windows_.table && shown && near) {
        const LabelStyle style = windows_.table->labelStyle();
        const std::string label =
            model::enleve_blancs(project_.points().cell(i, project_.indice_col("Libellé")));
        if (style.shown && !label.empty() && style.height > 0) {
            QFont font;
            font.setPixelSize(style.height);
            const QString text = QString::fromStdString(label);
            const QFontMetrics metrics(font);
            const QRect placed(x + 3, y, metrics.boundingRect(text).width() + 2, metrics.height());
            painter->paint(placed, [&](QPainter& p) {
                p.setFont(font);
                p.fillRect(placed, style.background);
                p.setPen(style.text);
                p.drawText(placed, Qt::AlignLeft | Qt::AlignTop, text);
            });
        }
    }
    if (shown && dotWidth > 1 && i >= 2 && drawsLines_ && !project_.lineBreakPending())
        af_micro_point(previousPoint_.x(), previousPoint_.y());
    if (shown && dotWidth > 1) af_micro_point(x, y);
    project_.setLineBreakPending(false);
    previousPoint_ = at;
    redrawNeeded_ = true;
}

void MainWindow::af_micro_point(int x, int y) {
    if (!nearLayer(layer_, x, y)) return;
    const picture::Pixel silver = picture::rgb555(192, 192, 192);
    const picture::Pixel black = 0;
    layer_.setPixel(x - 1, y - 1, black);
    layer_.setPixel(x, y, black);
    layer_.setPixel(x - 1, y, silver);
    layer_.setPixel(x, y - 1, silver);
}

void MainWindow::af_croix_calage(int x, int y) {
    if (layer_.empty()) return;
    {
        std::optional<LayerPainter> own;
        LayerPainter* painter = overlayPainter_ ? overlayPainter_ : &own.emplace(layer_);
        painter->paint(QRect(x - 12, y - 12, 25, 25), [x, y](QPainter& p) {
            p.setPen(QPen(QColor(255, 0, 0), 2));
            p.drawRect(x - 10, y - 10, 20, 20);
            p.drawLine(x - 10, y - 10, x + 10, y + 10);
            p.drawLine(x - 10, y + 10, x + 10, y - 10);
        });
    }
    af_micro_point(x, y);
    redrawNeeded_ = true;
}

void MainWindow::drawPoint(int row) {
    const auto at = project_.extrait_xy(row);
    af_point(at.x, at.y, model::val_entier(project_.points().cell(row, project_.indice_col("L"))),
             row);
}

void MainWindow::drawCalibrationCross(int x, int y) {
    af_croix_calage(x, y);
}

void MainWindow::redrawOverlay() {
    redessiner_calque();
    redessiner();
}

void MainWindow::redrawWithoutZones() {
    redrawOverlay();
}

void MainWindow::eraseRubberBand() {
    imageArea_->setBand(std::nullopt);
}

void MainWindow::repaintView() {
    redrawNeeded_ = true;
    redessiner();
}

void MainWindow::replayMouseMove() {
    imageMoved(lastMouse_);
}

void MainWindow::toucheVue(int key) {
    if (!hasPicture() || project_.tableMode()) return;
    // Zoom steps taken with the mouse still keep the point it was first over.
    const auto anchor = [this] {
        if (!zoomAnchor_ || zoomAnchor_->mouse != lastMouse_ || zoomAnchor_->view != view_ ||
            zoomAnchor_->area != imageArea_->size())
            zoomAnchor_ = ZoomAnchorAt{
                picture::anchorUnder(lastMouse_.x(), lastMouse_.y(), view_, imageArea_->width(),
                                     imageArea_->height(), layer_.width(), layer_.height()),
                lastMouse_, imageArea_->size(), view_};
        return zoomAnchor_->anchor;
    };
    picture::ViewChange change{view_, false};
    const auto move = [&](picture::Move m) {
        change = picture::pan(view_, layer_.width(), layer_.height(), m);
    };
    switch (key) {
    case Qt::Key_Plus:
        change = picture::zoomIn(view_, anchor(), imageArea_->width(), imageArea_->height());
        break;
    case Qt::Key_Minus:
        change = picture::zoomOut(view_, anchor(), imageArea_->width(), imageArea_->height());
        break;
    case Qt::Key_Left:
        move(picture::Move::Left);
        break;
    case Qt::Key_Right:
        move(picture::Move::Right);
        break;
    case Qt::Key_Up:
        move(picture::Move::Up);
        break;
    case Qt::Key_Down:
        move(picture::Move::Down);
        break;
    case Qt::Key_Home:
        move(picture::Move::Home);
        break;
    case Qt::Key_End:
        move(picture::Move::End);
        break;
    default:
        return;
    }
    if (change.beep) interaction().beep();
    view_ = change.view;
    // Only zoom steps keep their anchor: a pan moves the point under the mouse.
    if (key == Qt::Key_Plus || key == Qt::Key_Minus)
        zoomAnchor_->view = view_;
    else
        zoomAnchor_.reset();
    redessiner();
    position_scrollbar();
}

void MainWindow::Carte_complete() {
    if (layer_.empty()) return;
    view_ = picture::wholeLayer(layer_.width(), layer_.height());
    horizontalBar_->setValue(0);
    verticalBar_->setValue(0);
    repaintView();
}

void MainWindow::position_scrollbar() {
    if (dragging_ || layer_.empty()) return;
    if (view_.x1 < 0 || view_.y1 < 0 || view_.x2 >= layer_.width() || view_.y2 >= layer_.height())
        return;
    const int maxX = layer_.width() - view_.width();
    const int maxY = layer_.height() - view_.height();
    const QSignalBlocker blockX(horizontalBar_);
    const QSignalBlocker blockY(verticalBar_);
    horizontalBar_->setRange(0, maxX < 1 ? layer_.width() : maxX);
    verticalBar_->setRange(0, maxY < 1 ? layer_.height() : maxY);
    horizontalBar_->setValue(view_.x1);
    verticalBar_->setValue(view_.y1);
}

void MainWindow::plein_ecran() {
    if (project_.tableMode()) return;
    fullScreen_ = !fullScreen_;
    QAction* item = action(QStringLiteral("&Affichage|&Plein écran"));
    if (fullScreen_) {
        showFullScreen();
        item->setChecked(false);
    } else {
        grande_fenetre();
        item->setChecked(true);
    }
    repaintView();
}

void MainWindow::grande_fenetre() {
    fullScreen_ = false;
    if (mapBesideTable()) {
        showNormal();
        placeMapAndTable();
    } else {
        showMaximized();
    }
}

bool MainWindow::mapBesideTable() const {
    return carteTableau_->isChecked() && windows_.table && windows_.table->isVisible();
}

QRect MainWindow::mapRoom() const {
    const QRect area = availableArea(this);
    if (!mapBesideTable()) return area;
    return QRect(area.topLeft(), QSize(area.width() - tableColumnWidth(area), area.height()));
}

void MainWindow::applyKeepProportions() {
    if (keepProportions() && hasPicture()) {
        // The window takes the picture's proportions at the top-left corner of its room.
        const QRect room = mapRoom();
        const QMargins frame = frameMargins(this);
        const int chrome = height() - imageArea_->height() + frame.top() + frame.bottom();
        const int across = imageArea_->width() + room.width() - frameGeometry().width();
        const int h = std::min(room.height(),
                               layer_.height() * across / std::max(1, layer_.width()) + chrome);
        showNormal();
        placeFrame(this, QRect(room.topLeft(), QSize(room.width(), h)), frame);
    } else {
        grande_fenetre();
    }
    repaintView();
}

void MainWindow::showCoordinates(model::Real X, model::Real Y) {
    const auto text = [](const char* axis, model::Real v) {
        QString digits = QString::fromStdString(model::_format2(v, 18, 8));
        return QString::fromLatin1(axis) + "= " + digits.rightJustified(8);
    };
    const QString x = text("X", X);
    const QString y = text("Y", Y);
    status_[0]->setText(x + ' ' + y);
    if (windows_.table) windows_.table->showCoordinates(x, y);
    if (flottants_->isChecked()) {
        floating_->setText(x + "   " + y);
        floating_->adjustSize();
    }
}

void MainWindow::clearCoordinates() {
    status_[0]->clear();
    if (windows_.table) windows_.table->showCoordinates(QStringLiteral("X="), QStringLiteral("Y="));
}

} // namespace tracelle::ui
