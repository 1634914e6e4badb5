#include "ui/AltitudePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tracelle::ui {

AltitudePanel::AltitudePanel(QWidget* parent) : FloatingPanel("PanelZ", kPanelColour, parent) {
    auto* title = new QLabel(QStringLiteral("Z="), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(12);
    title->setFont(bold);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    delta_ = new QLineEdit(QStringLiteral("50"), this);
    decimals_ = new QLineEdit(QStringLiteral("0"), this);
    z_ = new QLineEdit(this);
    auto* plus = new QPushButton(QStringLiteral("+ (F3)"), this);
    auto* minus = new QPushButton(QStringLiteral("- (F2)"), this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(title, 0, 0);
    layout->addWidget(z_, 0, 1, 1, 2);
    layout->addWidget(new QLabel(tr("delta Z"), this), 1, 0);
    layout->addWidget(delta_, 1, 1, 1, 2);
    layout->addWidget(new QLabel(tr("décimales"), this), 2, 0);
    layout->addWidget(decimals_, 2, 1, 1, 2);
    layout->addWidget(plus, 3, 1);
    layout->addWidget(minus, 3, 2);
    resize(240, 140);

    connect(plus, &QPushButton::clicked, this, [this] { emit stepRequested(+1); });
    connect(minus, &QPushButton::clicked, this, [this] { emit stepRequested(-1); });
    connect(z_, &QLineEdit::returnPressed, this, [this] { emit zTyped(z_->text()); });
}

} // namespace tracelle::ui
