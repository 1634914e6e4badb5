#include "ui/CalibrationPanels.h"

#include "model/NumberText.h"
#include "model/Project.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>

namespace tracelle::ui {

namespace {

constexpr model::TransformMethod kMethods[] = {
    model::TransformMethod::Affine, model::TransformMethod::Helmert,
    model::TransformMethod::Projective, model::TransformMethod::Polynomial2};
const char* const kMethodCaptions[] = {
    QT_TRANSLATE_NOOP("tracelle::ui::CalibrationPanel", "affine"),
    QT_TRANSLATE_NOOP("tracelle::ui::CalibrationPanel", "Helmert"),
    QT_TRANSLATE_NOOP("tracelle::ui::CalibrationPanel", "projective"),
    QT_TRANSLATE_NOOP("tracelle::ui::CalibrationPanel", "polynomial 2")};

} // namespace

CalibrationPanel::CalibrationPanel(QWidget* parent)
    : FloatingPanel("PanelCalibration", kPanelColour, parent) {
    auto* group = new QGroupBox(tr("calibration"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const QString captions[3] = {tr("3 points ( repère quelconque )"),
                                 tr("2 points sur une oblique ( hypothénuse )"),
                                 tr("2 points horizontaux (=> repère orthonormé )")};
    auto* exclusive = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        modes_[i] = new QRadioButton(captions[i], group);
        exclusive->addButton(modes_[i], i);
        groupLayout->addWidget(modes_[i]);
    }
    modes_[0]->setChecked(true);
    connect(exclusive, &QButtonGroup::idClicked, this, &CalibrationPanel::modeChanged);

    auto* calibrer = new QPushButton(tr("Calibrer ->"), this);
    calibrer->setObjectName("BoutonCalibrer");
    auto* retour = new QPushButton(tr("Retour"), this);
    retour->setObjectName("BoutonRetour");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calibrer);
    buttons->addWidget(retour);

    auto* add = new QPushButton(tr("Ajouter un point de contrôle"), this);
    add->setObjectName("BoutonPointControle");
    model_ = new QComboBox(this);
    model_->setObjectName("ComboModele");
    for (const char* caption : kMethodCaptions)
        model_->addItem(tr(caption));
    rms_ = new QLabel(this);
    rms_->setObjectName("LabelRMS");
    auto* fit = new QHBoxLayout;
    fit->addWidget(new QLabel(tr("modèle :"), this));
    fit->addWidget(model_, 1);
    fit->addWidget(rms_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->addWidget(add);
    layout->addLayout(fit);
    layout->addWidget(buildAxes());
    resize(sizeHint().expandedTo(QSize(360, 300)));

    connect(calibrer, &QPushButton::clicked, this, &CalibrationPanel::calibrer);
    connect(add, &QPushButton::clicked, this, &CalibrationPanel::addControlPoint);
    connect(model_, &QComboBox::activated, this, &CalibrationPanel::emitFitChosen);
    connect(retour, &QPushButton::clicked, this, &QWidget::hide);
}

int CalibrationPanel::mode() const {
    for (int i = 0; i < 3; ++i) {
        if (modes_[i]->isChecked()) return i;
    }
    return 0;
}

QWidget* CalibrationPanel::buildAxes() {
    auto* group = new QGroupBox(tr("axes"), this);
    logX_ = new QCheckBox(tr("X logarithmique (r en polaire)"), group);
    logX_->setObjectName("CaseLogX");
    logY_ = new QCheckBox(tr("Y logarithmique"), group);
    logY_->setObjectName("CaseLogY");
    polar_ = new QCheckBox(tr("polaire (r, θ)"), group);
    polar_->setObjectName("CasePolaire");
    angleUnit_ = new QComboBox(group);
    angleUnit_->setObjectName("ComboAngle");
    angleUnit_->addItems({tr("degrés"), tr("radians")});
    clockwise_ = new QCheckBox(tr("sens horaire"), group);
    clockwise_->setObjectName("CaseHoraire");
    // Most polar plots have r = 0 at their centre, which any control point of radius 0 pins;
    // others (a radar's decibels, a logarithmic radius) start higher: the user then names the
    // control point clicked on the centre, and its r is the radius there.
    origin_ = new QComboBox(group);
    origin_->setObjectName("ComboOrigine");
    origin_->setToolTip(tr("le centre du graphe polaire"));
    auto* layout = new QGridLayout(group);
    layout->addWidget(logX_, 0, 0);
    layout->addWidget(logY_, 0, 1);
    layout->addWidget(polar_, 1, 0);
    layout->addWidget(angleUnit_, 1, 1);
    layout->addWidget(origin_, 2, 0);
    layout->addWidget(clockwise_, 2, 1);
    for (QCheckBox* box : {logX_, logY_, polar_, clockwise_})
        connect(box, &QCheckBox::clicked, this, &CalibrationPanel::emitFitChosen);
    for (QComboBox* list : {angleUnit_, origin_})
        connect(list, &QComboBox::activated, this, &CalibrationPanel::emitFitChosen);
    return group;
}

void CalibrationPanel::emitFitChosen() {
    model::AxisKinds axes;
    axes.x = logX_->isChecked() ? model::AxisScale::Log10 : model::AxisScale::Linear;
    axes.polar = polar_->isChecked();
    // The angle of a polar plot is linear whatever the box says.
    axes.y = logY_->isChecked() && !axes.polar ? model::AxisScale::Log10 : model::AxisScale::Linear;
    axes.angleUnit =
        angleUnit_->currentIndex() == 1 ? model::AngleUnit::Radians : model::AngleUnit::Degrees;
    axes.clockwise = clockwise_->isChecked();
    axes.origin = axes.polar ? std::max(0, origin_->currentIndex()) : 0;
    emit fitChosen(kMethods[model_->currentIndex()], axes);
}

void CalibrationPanel::showFit(const model::Project& project) {
    const int count = project.controlPointCount();
    auto* items = static_cast<QStandardItemModel*>(model_->model());
    for (int i = 0; i < model_->count(); ++i) {
        // A model without enough points is offered with the number it needs.
        const int needed = model::minimumPoints(kMethods[i]);
        QString caption = tr(kMethodCaptions[i]);
        if (count < needed) caption = tr("%1 (%2 points)").arg(caption).arg(needed);
        model_->setItemText(i, caption);
        items->item(i)->setEnabled(count >= needed);
        if (kMethods[i] == project.calibrationMethod()) model_->setCurrentIndex(i);
    }
    const model::AxisKinds& axes = project.axisKinds();
    logX_->setChecked(axes.x == model::AxisScale::Log10);
    logY_->setChecked(axes.y == model::AxisScale::Log10);
    polar_->setChecked(axes.polar);
    logY_->setEnabled(!axes.polar);
    angleUnit_->setCurrentIndex(axes.angleUnit == model::AngleUnit::Radians ? 1 : 0);
    angleUnit_->setEnabled(axes.polar);
    clockwise_->setChecked(axes.clockwise);
    clockwise_->setEnabled(axes.polar);
    // Chosen before "polaire" is ticked, since a centre not at r = 0 would refuse the tick.
    const int centre = axes.polar ? axes.origin : origin_->currentIndex();
    origin_->clear();
    origin_->addItem(axes.x == model::AxisScale::Log10 ? tr("centre en r = 1")
                                                       : tr("centre en r = 0"));
    for (int k = 1; k <= count; ++k)
        origin_->addItem(tr("centre au point %1").arg(k));
    origin_->setCurrentIndex(centre >= 0 && centre <= count ? centre : 0);
    const model::FittedCalibration& fit = project.calibrationFit();
    rms_->setText(fit.fitted() ? tr("RMS = %1")
                                     .arg(QString::fromStdString(model::enleve_blancs(
                                         model::_format2(fit.rms(), 18, project.D()))))
                               : QString());
}

ScalePanel::ScalePanel(QWidget* parent) : FloatingPanel("PanelEchelle", kPanelColour, parent) {
    caption_ = new QLabel(this);
    caption_->setWordWrap(true); // the distance comes with fifteen digits
    distance_ = new QLabel(this);
    distanceBox_ = new QLineEdit(this);
    distanceBox_->setObjectName("EditDistance");
    auto* rescaleButton = new QPushButton(tr("mise à l'échelle ->"), this);
    rescaleButton->setObjectName("BoutonEchelle");
    auto* back = new QPushButton(tr("Retour"), this);
    back->setObjectName("BoutonRetour");

    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel(tr("distance réelle:"), this));
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
