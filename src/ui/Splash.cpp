#include "ui/Splash.h"

#include "platform/SystemInfo.h"
#include "ui/Artwork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <qdrawutil.h>

namespace tracelle::ui {

namespace {

// The hourglass belongs to the splash windows together: the first one created sets it,
// closing any of them restores the arrow.
bool hourglassShown = false;

void restoreArrow() {
    if (!hourglassShown) return;
    hourglassShown = false;
    QApplication::restoreOverrideCursor();
}

} // namespace

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      leaveTimer_(new QTimer(this)) {
    setObjectName("Splash");
    setFixedSize(418, 345);
    setMouseTracking(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    if (!hourglassShown) {
        hourglassShown = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    leaveTimer_->setSingleShot(true);
    leaveTimer_->setInterval(2000);
    connect(leaveTimer_, &QTimer::timeout, this, [this] {
        hide();
        if (parentWidget()) parentWidget()->update();
    });
}

Splash::~Splash() = default;

void Splash::leaveSoon() {
    if (isVisible() && !leaveTimer_->isActive()) leaveTimer_->start();
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 150, 100));
    qDrawShadePanel(&p, rect(), palette(), false, 3); // raised bevel

    QFont title("DejaVu Serif", 26, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(90, 30, 0));
    p.drawText(QRect(0, 14, width(), 50), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("T r a c e l l e"));

    p.drawPixmap(24, 80, splashMapPicture(230, 160));
    p.drawPixmap(270, 80, splashTargetPicture(124, 74));
    p.drawPixmap(270, 166, splashGraphPicture(124, 74));

    QFont small("DejaVu Sans", 9);
    p.setFont(small);
    p.drawText(QRect(0, 256, width(), 70), Qt::AlignCenter,
               tr("Digitalisation de cartes, plans et graphes\nversion %1")
                   .arg(QString::fromStdString(platform::programVersion())));
}

void Splash::mouseMoveEvent(QMouseEvent*) {
    close();
}

void Splash::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) leaveSoon();
    QWidget::changeEvent(event);
}

void Splash::closeEvent(QCloseEvent* event) {
    leaveTimer_->stop();
    restoreArrow();
    event->accept();
}

} // namespace tracelle::ui
