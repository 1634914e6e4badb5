// The export panel's section "Exporter pour un SIG / une CAO": the format, the coordinate
// system of the real X, Y checked through PROJ as it is typed, and the export to a file.
#pragma once

#include "gis/GisExport.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace tracelle::ui {

class SystemChooser;

class GisExportSection : public QGroupBox {
    Q_OBJECT
public:
    // `shownOnly`: the panel's "juste les lignes affichées", which this export follows too.
    GisExportSection(const QCheckBox* shownOnly, QWidget* parent);

    gis::Format format() const;
    QString systemText() const;
    // Each time the panel is shown: the system remembered for the main window's project file,
    // if any, in the box, and no report of an export made before.
    void montre();

private:
    void exporteSig();

    const QCheckBox* shownOnly_;
    QRadioButton* formats_[4];
    SystemChooser* system_;
    QLabel* done_;
};

} // namespace tracelle::ui
