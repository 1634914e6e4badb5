// Pictures of the program's own, drawn at run time: splash pictures, the quit picture of
// the message dialog, the about box's emblem and the tool panel's icons.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tracelle::ui {

QPixmap splashMapPicture(int w, int h);    // a scanned map being digitized
QPixmap splashTargetPicture(int w, int h); // a calibration cross with its coordinates
QPixmap splashGraphPicture(int w, int h);  // a digitized curve on a graph
QPixmap quitPicture(int w, int h);         // the message dialog's "Quitter" question
QPixmap emblem(int size);                  // the about box's icon

enum class ToolIcon {
    Table,
    OpenPicture,
    ReadProject,
    SaveProject,
    SavePicture,
    FitWindow,
    Brush,
    Eraser
};
QIcon toolIcon(ToolIcon which);

} // namespace tracelle::ui
