// The panel of the spreadsheet import: which columns hold the label, X, Y and Z, and the
// row where reading starts.
#pragma once

#include "ui/FloatingPanel.h"

#include <QElapsedTimer>

class QLabel;
class QLineEdit;

namespace tracelle::ui {

class SheetImportPanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit SheetImportPanel(QWidget* parent);

    // The file to read: its name shown, its whole path kept.
    void setFile(const QString& path);
    const QString& path() const { return path_; }

    // The box texts, in the order Libellé, X, Y, Z, n° de ligne de début.
    QLineEdit* box(int i) const { return boxes_[i]; }
    // The count of points added so far, shown at once.
    void showProgress(int count);

signals:
    void traiter(); // "Traiter le fichier"

private:
    QLabel* name_;
    QLabel* progress_;
    QLineEdit* boxes_[5];
    QString path_;
    QElapsedTimer painted_;
};

} // namespace tracelle::ui
