// The picture conversion window: a metafile, a bitmap or a PDF page made into a bitmap of a
// chosen width in centimetres and resolution, saved as TIFF, JPEG or BMP, in five steps.
#pragma once

#include "picture/ConversionOutput.h"
#include "render/Source.h"
#include "ui/OwnDialogs.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <memory>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace tracelle::ui {

class PictureConversionWindow : public QWidget {
    Q_OBJECT
public:
    explicit PictureConversionWindow(QWidget* parent = nullptr);

    // The steps, 1 to 5.
    void openSource();
    void chooseBackground();
    void makeBitmap();
    void saveBitmap();
    void openInMainWindow();

    // The target width from the width and resolution boxes; false when a text is empty or
    // not a whole number (`talk`: the conversion message is then shown).
    bool calc_res(bool talk);
    void affiche_1();
    void affiche_2();
    void speed_gras(int step);

    // Once a source is open.
    const render::Source& source() const { return *source_; }
    const QImage& result() const { return result_; }
    int zoom() const { return zoom_; }

signals:
    // Step 5: the saved picture becomes the main window's background.
    void lectureTest(const QString& path);
    // "Quitter": the program ends once unsaved work is dealt with.
    void quitDirect();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildSettings();
    QWidget* buildDisplay(QScrollArea*& area, QLabel*& picture, QListWidget*& list,
                          const QString& title);
    // A message box of this window: it is not taken for the user leaving.
    void tell(const std::string& message);
    QColor background() const;
    void setBackground(const QColor& colour);
    void choosePage(int page);
    picture::OutputFormat format() const;

    std::unique_ptr<render::Source> source_; // drawn by its module
    QImage shown_;                           // the source as displayed
    QImage result_;
    int zoom_ = 100;
    long long targetWidth_ = 0;
    std::string savedName_;
    OwnDialogs dialogs_;

    QPushButton* steps_[5] = {};
    QLabel* colourLabel_ = nullptr;
    QPushButton* swatch_ = nullptr;
    QLineEdit* widthCm_ = nullptr;
    QComboBox* dpi_ = nullptr;
    QLineEdit* targetBox_ = nullptr;
    QLineEdit* sourceWidthBox_ = nullptr;
    QRadioButton* formats_[3] = {};
    QSpinBox* page_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QLabel* name_ = nullptr;
    QScrollArea* sourceArea_ = nullptr;
    QScrollArea* resultArea_ = nullptr;
    QLabel* sourcePicture_ = nullptr;
    QLabel* resultPicture_ = nullptr;
    QListWidget* sourceList_ = nullptr;
    QListWidget* resultList_ = nullptr;
};

} // namespace tracelle::ui
