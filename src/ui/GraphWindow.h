// The graph window: the points drawn in three dimensions, turned, moved and zoomed by the
// buttons at its right, the keys and the mouse.
#pragma once

#include "graph/GraphView.h"
#include "ui/OwnDialogs.h"

#include <QImage>
#include <QWidget>

class QLabel;

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

class GraphArea;

class GraphWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphWindow(QWidget* parent = nullptr);

    void setProject(const model::Project* project) { project_ = project; }
    // The map's wheel direction, +1 or −1 ("roulette inversée"), which the wheel follows here.
    void setWheelDirection(int direction) { wheelDirection_ = direction; }
    graph::GraphView& view() { return view_; }
    const QImage& buffer() const { return buffer_; }

    void dessine_graphe();
    void apply(graph::Command command);
    // "Enregistrer l'image": the drawing as PNG.
    void enregistreImage();
    // "Retour", Esc, F7, or the window left.
    void quitte();

signals:
    // The window became active (the main window then takes no input) or was left.
    void activated();
    void left();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class GraphArea;
    QWidget* buildPanel();
    void areaResized();

    const model::Project* project_ = nullptr;
    int wheelDirection_ = 1;
    graph::GraphView view_;
    // 32 bits a pixel: the painter draws on no 8-bit picture, and the screen takes these as
    // they are.
    QImage buffer_;
    GraphArea* area_ = nullptr;
    // Its save dialog takes the activation for a while: the window is not left for it.
    OwnDialogs dialogs_;
};

} // namespace tracelle::ui
