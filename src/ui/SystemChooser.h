// The coordinate system of the real X, Y: typed (an EPSG code, a PROJ string, "aucun") or
// taken from a list of common systems, and checked through PROJ as it is typed.
#pragma once

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tracelle::gis {
class CoordinateSystem;
}

namespace tracelle::ui {

class SystemChooser : public QWidget {
    Q_OBJECT
public:
    explicit SystemChooser(QWidget* parent);

    QString systemText() const;
    void setSystemText(const QString& text);
    // The system remembered for the main window's project file, if any, in the box.
    void chargeSystemeRetenu();
    // Remembers the system for the main window's project file.
    void retientSysteme() const;
    // Told after a valid system's name: what the owner's use of it asks for.
    void setRemark(std::function<QString(const gis::CoordinateSystem&)> remark);
    // Tells again whether the system is valid (the remark may have changed).
    void verifieSysteme();

private:
    QLineEdit* system_;
    QComboBox* list_;
    QLabel* systemName_;
    std::function<QString(const gis::CoordinateSystem&)> remark_;
};

} // namespace tracelle::ui
