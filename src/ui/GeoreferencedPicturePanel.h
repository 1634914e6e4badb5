// "Enregistrer l'image géoréférencée": the coordinate system, then the world file and .prj
// beside the picture and/or a GeoTIFF, for the main window's calibrated picture.
#pragma once

#include "ui/FloatingPanel.h"

#include <optional>
#include <string>

class QCheckBox;
class QLabel;

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

class SystemChooser;

class GeoreferencedPicturePanel : public FloatingPanel {
    Q_OBJECT
public:
    explicit GeoreferencedPicturePanel(QWidget* parent);

    // At the window's top-left corner, offering what the project's fit can be written as, with
    // the system remembered for the project.
    void montre(const model::Project& project);

private:
    void enregistre();
    // The GeoTIFF's name, through the save dialog; nothing when the user gives up.
    static std::optional<std::string> askGeoTiffName(const std::string& picture);

    SystemChooser* system_;
    QCheckBox* worldFile_;
    QCheckBox* geoTiff_;
    QLabel* done_;
};

} // namespace tracelle::ui
