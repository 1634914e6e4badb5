#include "ui/SystemChooser.h"

#include "gis/CommonSystems.h"
#include "gis/GisModule.h"
#include "gis/SystemMemory.h"
#include "platform/Language.h"
#include "ui/MainWindow.h"
#include "ui/WheelScrollsPast.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tracelle::ui {

namespace {

// The longest text told of a system, on lines of the chooser's width.
constexpr int kSystemNameLines = 3;

QString listed(const gis::CommonSystem& s) {
    return QString::fromUtf8(platform::translate("CommonSystems", s.name)) + QStringLiteral(" (") +
           QString::fromUtf8(s.code) + ')';
}

} // namespace

SystemChooser::SystemChooser(QWidget* parent) : QWidget(parent) {
    // A line box rather than an editable list: the main window takes the keys of any other
    // widget for its own commands. The list beside it only fills the box.
    system_ = new QLineEdit(QString::fromUtf8(gis::kNoSystem.data(), gis::kNoSystem.size()), this);
    system_->setObjectName("Systeme");
    connect(system_, &QLineEdit::textChanged, this, &SystemChooser::verifieSysteme);
    list_ = new QComboBox(this);
    list_->setObjectName("ListeSystemes");
    list_->setPlaceholderText(tr("systèmes courants..."));
    list_->setMinimumContentsLength(14);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const auto& s : gis::kCommonSystems)
        list_->addItem(listed(s), QString::fromUtf8(s.code));
    list_->setCurrentIndex(-1);
    new WheelScrollsPast(list_);
    connect(list_, &QComboBox::activated, this, [this](int index) {
        system_->setText(list_->itemData(index).toString());
        list_->setCurrentIndex(-1);
    });
    systemName_ = new QLabel(this);
    systemName_->setObjectName("NomSysteme");
    systemName_->setWordWrap(true);
    // Of one height whatever it says, so that the buttons below stay under the mouse.
    systemName_->setFixedHeight(kSystemNameLines * fontMetrics().lineSpacing());
    systemName_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(tr("Système de coordonnées (EPSG)"), this));
    column->addWidget(system_);
    column->addWidget(list_);
    column->addWidget(systemName_);
    verifieSysteme();
}

QString SystemChooser::systemText() const {
    return system_->text().trimmed();
}

void SystemChooser::setSystemText(const QString& text) {
    system_->setText(text);
}

void SystemChooser::chargeSystemeRetenu() {
    const auto* mainWindow = qobject_cast<const MainWindow*>(window());
    if (!mainWindow) return;
    const std::string remembered = gis::systemeRetenu(mainWindow->projectFile());
    if (!remembered.empty()) system_->setText(QString::fromStdString(remembered));
}

void SystemChooser::retientSysteme() const {
    const auto* mainWindow = qobject_cast<const MainWindow*>(window());
    if (mainWindow) gis::retientSysteme(mainWindow->projectFile(), systemText().toStdString());
}

void SystemChooser::setRemark(std::function<QString(const gis::CoordinateSystem&)> remark) {
    remark_ = std::move(remark);
    verifieSysteme();
}

void SystemChooser::verifieSysteme() {
    std::string why;
    const auto system = gis::readSystem(systemText().toStdString(), &why);
    QPalette palette = systemName_->palette();
    palette.setColor(QPalette::WindowText, system ? QColor(0, 96, 0) : QColor(176, 0, 0));
    systemName_->setPalette(palette);
    QString told = QString::fromStdString(system ? system->name() : why);
    if (system && remark_) told += remark_(*system);
    systemName_->setText(told);
}

} // namespace tracelle::ui
