#include "ui/AboutBox.h"

#include "platform/SystemInfo.h"
#include "ui/Artwork.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSysInfo>
#include <QThread>

namespace tracelle::ui {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("AboutBox");
    setWindowTitle(tr("   à propos de..."));
    setFixedSize(470, 340);
    setStyleSheet("QDialog { background: rgb(255, 240, 225); }");

    auto* icon = new QLabel(this);
    icon->setPixmap(emblem(56));
    icon->setGeometry(16, 12, 56, 56);

    auto* title = new QLabel(
        tr("TRACELLE version %1").arg(QString::fromStdString(platform::programVersion())), this);
    title->setObjectName("TitreAPropos");
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(86, 20, 360, 36);

    QFont mono("DejaVu Sans Mono", 8);
    for (int i = 0; i < 10; ++i) {
        auto* line = new QLabel(this);
        line->setFont(mono);
        line->setGeometry(16, 80 + i * 20, 440, 18);
        lines_.append(line);
    }

    button_ = new QPushButton(tr("appuyez sur une touche"), this);
    button_->setGeometry(150, 292, 170, 32);
    connect(button_, &QPushButton::clicked, this, &QDialog::hide);
}

void AboutBox::refresh() {
    QStringList texts;
    texts << QString::fromStdString(platform::systemLine(
        QSysInfo::prettyProductName().toStdString(), QSysInfo::kernelVersion().toStdString()));
    texts << tr("Processeurs : %1").arg(QThread::idealThreadCount());
    const std::string separator = QLocale::system().groupSeparator().toStdString();
    for (const auto& line : platform::memoryLines(platform::readMemoryStatus(), separator))
        texts << QString::fromStdString(line);
    texts << tr("Image=%1 Ko").arg(describe_ ? describe_() : QString());
    for (int i = 0; i < lines_.size() && i < texts.size(); ++i)
        lines_[i]->setText(texts[i]);
}

QStringList AboutBox::lines() const {
    QStringList texts;
    for (const QLabel* line : lines_)
        texts << line->text();
    return texts;
}

void AboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
    QDialog::changeEvent(event);
}

void AboutBox::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void AboutBox::keyPressEvent(QKeyEvent*) {
    hide();
}

} // namespace tracelle::ui
