#include "ui/GraphWindow.h"

#include "files/LastFolder.h"
#include "files/TextFile.h"
#include "platform/Interaction.h"
#include "ui/GraphPainter.h"
#include "ui/WheelSteps.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cstdlib>
#include <filesystem>

namespace tracelle::ui {

using graph::Command;
using platform::interaction;

// The image area: shows the buffer, turns the view when dragged, zooms with the wheel.
class GraphArea : public QWidget {
public:
    explicit GraphArea(GraphWindow* owner) : QWidget(owner), owner_(owner) {
        setObjectName("ImageGraphe");
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(200, 150);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, owner_->buffer_);
    }
    void resizeEvent(QResizeEvent*) override { owner_->areaResized(); }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) dragFrom_ = event->position();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton)) return;
        // One angle step per 8 pixels, as the arrows turn: right as "→", down as "↓".
        const QPointF d = event->position() - dragFrom_;
        dragFrom_ = event->position();
        owner_->view_.turn(-d.x() / 8, d.y() / 8);
        owner_->dessine_graphe();
    }
    void wheelEvent(QWheelEvent* event) override {
        // As on the map: with the normal direction, turning towards the user zooms in.
        const int notches = wheel_.add(event->angleDelta().y());
        const bool in = notches * owner_->wheelDirection_ < 0;
        for (int i = 0; i < std::abs(notches); ++i)
            owner_->apply(in ? Command::Agrandir : Command::Reduire);
        event->accept();
    }

private:
    GraphWindow* owner_;
    QPointF dragFrom_;
    WheelSteps wheel_;
};

namespace {

QToolButton* arrow(Qt::ArrowType type, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setArrowType(type);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setMinimumSize(32, 28);
    return b;
}

} // namespace

GraphWindow::GraphWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("GraphWindow");
    setWindowTitle(tr("   Graphe 3D"));
    resize(760, 540);
    area_ = new GraphArea(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(area_, 1);
    layout->addWidget(buildPanel());
}

QWidget* GraphWindow::buildPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    // Buttons never take the focus: the arrows stay the graph's, not a move between buttons.
    const auto button = [&](const QString& caption, QWidget* parent) {
        auto* b = new QPushButton(caption, parent);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    const auto command = [this](QAbstractButton* b, Command c) {
        connect(b, &QAbstractButton::clicked, this, [this, c] { apply(c); });
    };

    QPushButton* init = button(tr("initialisation"), panel);
    command(init, Command::Initialisation);
    column->addWidget(init);

    auto* zoom = new QGroupBox(tr("zoom"), panel);
    auto* zoomGrid = new QGridLayout(zoom);
    const std::pair<const char*, Command> zooms[] = {{"/", Command::Eloigner},
                                                     {"*", Command::Rapprocher},
                                                     {"+", Command::Agrandir},
                                                     {"-", Command::Reduire}};
    for (int k = 0; k < 4; ++k) {
        QPushButton* b = button(QString::fromLatin1(zooms[k].first), zoom);
        b->setAutoRepeat(true);
        command(b, zooms[k].second);
        zoomGrid->addWidget(b, k / 2, k % 2);
    }
    column->addWidget(zoom);

    const auto arrows = [&](const QString& title, Command left, Command right, Command up,
                            Command down) {
        auto* box = new QGroupBox(title, panel);
        auto* grid = new QGridLayout(box);
        const std::tuple<Qt::ArrowType, Command, int, int> placed[] = {
            {Qt::UpArrow, up, 0, 1},
            {Qt::LeftArrow, left, 1, 0},
            {Qt::RightArrow, right, 1, 2},
            {Qt::DownArrow, down, 2, 1}};
        for (const auto& [type, c, row, col] : placed) {
            QToolButton* b = arrow(type, box);
            command(b, c);
            grid->addWidget(b, row, col);
        }
        column->addWidget(box);
    };
    arrows(tr("rotation [flèches]"), Command::TourneGauche, Command::TourneDroite,
           Command::TourneHaut, Command::TourneBas);
    arrows(tr("translation  [Ctr+flèches]"), Command::DecaleGauche, Command::DecaleDroite,
           Command::DecaleHaut, Command::DecaleBas);

    column->addWidget(new QLabel(QStringLiteral("..."), panel));
    column->addStretch(1);
    QPushButton* save = button(tr("Enregistrer l'image"), panel);
    connect(save, &QPushButton::clicked, this, &GraphWindow::enregistreImage);
    column->addWidget(save);
    QPushButton* back = button(tr("Retour"), panel);
    connect(back, &QPushButton::clicked, this, &GraphWindow::quitte);
    column->addWidget(back);
    return panel;
}

void GraphWindow::areaResized() {
    const QSize size = area_->size();
    if (buffer_.size() == size) return;
    buffer_ = QImage(size, QImage::Format_RGB32);
    view_.resize(size.width(), size.height());
    if (project_ && isVisible()) dessine_graphe();
}

void GraphWindow::dessine_graphe() {
    if (buffer_.isNull()) return;
    paintGraph(buffer_, view_.dessine_graphe());
    area_->update();
}

void GraphWindow::apply(Command command) {
    view_.apply(command);
    dessine_graphe();
}

void GraphWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_F7) {
        quitte();
        return;
    }
    // The keypad's flag aside, Ctrl alone moves; any other state turns.
    const bool ctrl = (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (key) {
    // The keypad's keys, and the same signs of the main keyboard for those without one.
    case Qt::Key_Slash:
        view_.apply(Command::Eloigner);
        break;
    case Qt::Key_Asterisk:
        view_.apply(Command::Rapprocher);
        break;
    case Qt::Key_Plus:
        view_.apply(Command::Agrandir);
        break;
    case Qt::Key_Minus:
        view_.apply(Command::Reduire);
        break;
    case Qt::Key_Left:
        view_.apply(ctrl ? Command::DecaleGauche : Command::TourneGauche);
        break;
    case Qt::Key_Right:
        view_.apply(ctrl ? Command::DecaleDroite : Command::TourneDroite);
        break;
    case Qt::Key_Up:
        view_.apply(ctrl ? Command::DecaleHaut : Command::TourneHaut);
        break;
    case Qt::Key_Down:
        view_.apply(ctrl ? Command::DecaleBas : Command::TourneBas);
        break;
    default:
        break;
    }
    // Every key redraws, a "-" height then moves.
    dessine_graphe();
}

void GraphWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !dialogs_.ignore(isActiveWindow())) {
        if (isActiveWindow()) {
            emit activated();
            if (project_) view_.init_variables_book(*project_, buffer_.width(), buffer_.height());
            dessine_graphe();
            area_->setFocus();
        } else if (isVisible()) {
            quitte();
        }
    }
    QWidget::changeEvent(event);
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    // The window's own close box leaves as "Retour" does.
    event->ignore();
    quitte();
}

void GraphWindow::quitte() {
    hide();
    emit left();
}

void GraphWindow::enregistreImage() {
    std::optional<std::string> chosen;
    {
        const OwnDialogs::Open open(dialogs_);
        auto request = files::dansDernierDossier(tr("Enregistrer le graphe").toStdString(),
                                                 tr("Image PNG (*.png)|*.png").toStdString());
        request.defaultExtension = "png";
        chosen = interaction().savePictureName(request);
    }
    if (chosen) {
        std::string path = *chosen;
        if (std::filesystem::path(path).extension().empty()) path += ".png";
        QByteArray png;
        QBuffer out(&png);
        out.open(QIODevice::WriteOnly);
        const std::string error =
            buffer_.save(&out, "PNG")
                ? files::writeBytesFile(path, png.toStdString())
                : tr("l'image du graphe n'a pas pu être codée en PNG").toStdString();
        if (!error.empty()) {
            const OwnDialogs::Open open(dialogs_);
            interaction().information(error);
        }
    }
}

} // namespace tracelle::ui
