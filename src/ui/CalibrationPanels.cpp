#include "ui/CalibrationPanels.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tracelle::ui {

CalibrationPanel::CalibrationPanel(QWidget* parent)
    : FloatingPanel("PanelCalibration", kPanelColour, parent) {
    auto* group = new QGroupBox(QStringLiteral("calibration"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const char* captions[3] = {"3 points ( repère quelconque )",
                               "2 points sur une oblique ( hypothénuse )",
                               "2 points horizontaux (=> repère orthonormé )"};
    auto* exclusive = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        modes_[i] = new QRadioButton(QString::fromUtf8(captions[i]), group);
        exclusive->addButton(modes_[i], i);
        groupLayout->addWidget(modes_[i]);
    }
    modes_[0]->setChecked(true);
    connect(exclusive, &QButtonGroup::idClicked, this, &CalibrationPanel::modeChanged);

    auto* calibrer = new QPushButton(QStringLiteral("Calibrer ->"), this);
    calibrer->setObjectName("SpeedButton14");
    auto* retour = new QPushButton(QStringLiteral("Retour"), this);
    retour->setObjectName("SpeedButton15");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calibrer);
    buttons->addWidget(retour);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(360, 170);

    connect(calibrer, &QPushButton::clicked, this, &CalibrationPanel::calibrer);
    connect(retour, &QPushButton::clicked, this, &QWidget::hide);
}

int CalibrationPanel::mode() const {
    for (int i = 0; i < 3; ++i) {
        if (modes_[i]->isChecked()) return i;
    }
    return 0;
}

ScalePanel::ScalePanel(QWidget* parent) : FloatingPanel("Panel8", kPanelColour, parent) {
    label26_ = new QLabel(this);
    label27_ = new QLabel(this);
    edit14_ = new QLineEdit(this);
    edit14_->setObjectName("Edit14");
    auto* button10 = new QPushButton(QStringLiteral("mise à l'échelle ->"), this);
    button10->setObjectName("Button10");
    auto* button11 = new QPushButton(QStringLiteral("Retour"), this);
    button11->setObjectName("Button11");

    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("distance réelle:"), this));
    entry->addWidget(edit14_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button10);
    buttons->addWidget(button11);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(label26_);
    layout->addWidget(label27_);
    layout->addLayout(entry);
    layout->addLayout(buttons);
    resize(360, 150);

    const auto ask = [this] { emit rescale(edit14_->text()); };
    connect(button10, &QPushButton::clicked, this, ask);
    connect(edit14_, &QLineEdit::returnPressed, this, ask);
    connect(button11, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace tracelle::ui
