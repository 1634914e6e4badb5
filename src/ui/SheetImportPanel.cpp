#include "ui/SheetImportPanel.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tracelle::ui {

SheetImportPanel::SheetImportPanel(QWidget* parent)
    : FloatingPanel("PanelXLS", QColor(212, 208, 200), parent) {
    auto* title = new QLabel(tr("Indices des colonnes du fichier"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    name_ = new QLabel(this);
    name_->setObjectName("LabelFichierXLS");

    const QString captions[5] = {tr("Libellé"), QStringLiteral("X"), QStringLiteral("Y"),
                                 QStringLiteral("Z"), tr("n° de ligne de début")};
    const char* initial[5] = {"3", "1", "2", "12", "5"};
    auto* form = new QFormLayout;
    for (int i = 0; i < 5; ++i) {
        boxes_[i] = new QLineEdit(QString::fromLatin1(initial[i]), this);
        boxes_[i]->setMaximumWidth(60);
        form->addRow(captions[i], boxes_[i]);
    }
    boxes_[3]->setToolTip(tr("0 : pas de colonne Z"));
    progress_ = new QLabel(QStringLiteral("_"), this);
    progress_->setObjectName("LabelProgressionXLS");

    auto* traiter = new QPushButton(tr("Traiter le fichier"), this);
    traiter->setObjectName("BoutonTraiter");
    auto* annuler = new QPushButton(tr("Annuler"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(traiter);
    buttons->addWidget(annuler);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(title);
    layout->addWidget(name_);
    layout->addLayout(form);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    adjustSize();
    hide();

    connect(traiter, &QPushButton::clicked, this, &SheetImportPanel::traiter);
    connect(annuler, &QPushButton::clicked, this, &QWidget::hide);
}

void SheetImportPanel::setFile(const QString& path) {
    path_ = path;
    name_->setText(QFileInfo(path).fileName());
    adjustSize();
}

void SheetImportPanel::showProgress(int count) {
    progress_->setText(QString::number(count));
    // Painted at once so that the count moves during a long import, but not more often than
    // the eye follows: a sheet of many thousand rows is not slowed down by its own count.
    if (!painted_.isValid() || painted_.elapsed() >= 40) {
        progress_->repaint();
        painted_.start();
    }
}

} // namespace tracelle::ui
