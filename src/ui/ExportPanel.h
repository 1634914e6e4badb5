// The export panel: which files the save writes, how the coordinates are exported, and the
// export of the lines and points for GIS and CAD.
#pragma once

#include "files/Export.h"
#include "ui/FloatingPanel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tracelle::ui {

class GisExportSection;

class ExportPanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit ExportPanel(QWidget* parent);

    files::ExportChoices choices() const;
    bool writesProject() const;
    bool writesExport() const;
    void setWrites(bool project, bool exportFile);
    // "X mini lu", "X maxi lu" after an export.
    void showRead(model::Real xMin, model::Real xMax);
    // At the window's top-left corner, the regional decimal mark told, the coordinate system
    // remembered for the project in the section for GIS and CAD.
    void affiche_panel_sauve();
    GisExportSection* gisSection() const { return gis_; }

signals:
    void traiter();

private:
    QCheckBox* check(const QString& caption, bool on);

    QWidget* body_; // the choices, in a scroll area
    QCheckBox* project_;
    QCheckBox* export_;
    QCheckBox* columns_[11]; // n, L, Libellé, X, Y, x, y, z, inter-point, Z, cumulative
    QCheckBox* calibration_;
    QCheckBox* shownOnly_;
    QRadioButton* point_;
    QComboBox* separator_;
    QLineEdit* customSeparator_;
    QComboBox* extension_;
    QLineEdit* customExtension_;
    QCheckBox* firstLine_;
    QCheckBox* firstLineCount_;
    QLineEdit* firstLineText_;
    QCheckBox* normalized_;
    QLineEdit* step_;
    QLineEdit* xMin_;
    QLineEdit* xMax_;
    QLineEdit* xMinRead_;
    QLineEdit* xMaxRead_;
    QRadioButton* regression_;
    QLabel* localMark_;
    GisExportSection* gis_;
};

} // namespace tracelle::ui
