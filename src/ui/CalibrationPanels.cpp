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
    calibrer->setObjectName("BoutonCalibrer");
    auto* retour = new QPushButton(QStringLiteral("Retour"), this);
    retour->setObjectName("BoutonRetour");
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

ScalePanel::ScalePanel(QWidget* parent) : FloatingPanel("PanelEchelle", kPanelColour, parent) {
    caption_ = new QLabel(this);
    distance_ = new QLabel(this);
    distanceBox_ = new QLineEdit(this);
    distanceBox_->setObjectName("EditDistance");
    auto* rescaleButton = new QPushButton(QStringLiteral("mise à l'échelle ->"), this);
    rescaleButton->setObjectName("BoutonEchelle");
    auto* back = new QPushButton(QStringLiteral("Retour"), this);
    back->setObjectName("BoutonRetour");

    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("distance réelle:"), this));
    entry->addWidget(distanceBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(rescaleButton);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(caption_);
    layout->addWidget(distance_);
    layout->addLayout(entry);
    layout->addLayout(buttons);
    resize(360, 150);

    const auto ask = [this] { emit rescale(distanceBox_->text()); };
    connect(rescaleButton, &QPushButton::clicked, this, ask);
    connect(distanceBox_, &QLineEdit::returnPressed, this, ask);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace tracelle::ui
