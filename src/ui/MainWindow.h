// The main window: the picture, the digitizing workflow and every command of the program.
#pragma once

#include "files/ProjectFile.h"
#include "model/PointPicking.h"
#include "model/Project.h"
#include "picture/BarePicture.h"
#include "picture/Decoded.h"
#include "picture/Layer.h"
#include "picture/Overview.h"
#include "picture/PictureLoading.h"
#include "picture/View.h"
#include "platform/Interaction.h"
#include "platform/Language.h"
#include "platform/SystemInfo.h"
#include "ui/tools/ClickTool.h"
#include "ui/tools/ColourTools.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <optional>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPainter;
class QScrollBar;
class QTimer;
class QToolButton;

namespace tracelle::georef {
struct Calage;
}

namespace tracelle::ui {

class AltitudePanel;
class CalibrationPanel;
class ExportPanel;
class GeoreferencedPicturePanel;
class ConverterWindow;
class PictureConversionWindow;
class ImageArea;
class LayerPainter;
class ScalePanel;
class SheetImportPanel;
class PointsTableWindow;
class AboutBox;
class HelpWindow;
class GraphWindow;
class TextPanel;

// The other windows of the program, owned by the application shell.
struct ShellWindows {
    PointsTableWindow* table = nullptr;
    AboutBox* about = nullptr;
    GraphWindow* graph = nullptr;
    HelpWindow* help = nullptr;
    ConverterWindow* converter = nullptr;
    PictureConversionWindow* conversion = nullptr;
};

// The caption at start-up, before any picture.
inline const QString kCaption =
    QStringLiteral("    t r a c e l l e  ") + QString::fromStdString(platform::programVersion());

class MainWindow : public QMainWindow, public model::ProjectView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    model::Project& project() { return project_; }
    void attachWindows(const ShellWindows& windows);

    // The program's arguments joined by single spaces, so that a path with spaces survives.
    static QString joinArguments(const QStringList& arguments);
    QString parametre() const { return parametre_; }
    void setParametre(const QString& parametre) { parametre_ = parametre; }
    // Opens the project named on the command line, if any.
    void ouvrirParametre();

    bool hasPicture() const { return layer_.picture() != nullptr; }
    const picture::Layer& layer() const { return layer_; }
    const picture::Overview& overview() const { return overview_; }
    // "LxHxC" of the loaded picture, empty without one.
    QString imageDescription() const;
    int wheelDirection() const { return wheelDirection_; }
    bool drawsLines() const { return drawsLines_; }
    // The item of a menu ("&Fichier|&Quitter"); the bar's own items have no menu ("|Aide").
    QAction* action(const QString& path) const;
    QString statusText(int panel) const;
    TextPanel* textPanel() const { return textPanel_; }
    AltitudePanel* altitudePanel() const { return altitudePanel_; }
    CalibrationPanel* calibrationPanel() const { return calibrationPanel_; }
    ScalePanel* scalePanel() const { return scalePanel_; }

    // The background picture: file dialog, then loading. `mode` is empty for a new picture,
    // "relecture" when a project re-reads its picture, "décalage" when the picture is shifted;
    // both keep the stored canvas and offset. False when nothing was loaded.
    void Ouvrir_bmp();
    bool Ouvrir_fichier_image(const std::string& file, const std::string& mode,
                              const std::string& projectFile = {});
    // A picture file chosen by the user opened as a new background, its folder remembered.
    void ouvreImageChoisie(const std::string& path);
    // A picture named on the command line, its decoding begun at start-up, opened as from the
    // file dialog.
    void ouvreImage(const std::string& path, std::unique_ptr<picture::PictureLoading> loading);
    // A picture file found and decoded, not yet shown.
    struct PreparedPicture {
        std::string path; // where it was found
        picture::Decoded decoded;
        // Instead of `decoded`, a picture whose size is known and whose rows are still arriving.
        std::unique_ptr<picture::PictureLoading> loading;
        int pdfPage = 0, pdfDpi = 0; // the PDF page shown; 0 for any other file
    };
    // The picture `file` looked for (the user asked where it is when it is not found beside
    // `projectFile`), its PDF page chosen unless `page` names one, then decoded (`arriving`:
    // its decoding begun, the rest of its rows to come); nothing of the window or the project
    // changes. Nothing when the user gives up or it does not read (told).
    std::optional<PreparedPicture> prepareImage(const std::string& file,
                                                std::optional<platform::PdfPage> page,
                                                const std::string& projectFile,
                                                bool arriving = false);
    // Whether the picture shown is still being decoded: what needs it whole waits for it.
    bool pictureArriving() const { return loading_ != nullptr; }
    // Waits, with the busy cursor, for the picture still being decoded; then the window shows
    // it whole, or drops it with the reason when its decoding failed.
    void waitForPicture();
    // A decoded picture made the new background (what Ouvrir_fichier_image does once the
    // file is found and read), with `calage` when it comes with its own position.
    bool poseImage(const std::string& path, picture::Decoded decoded, const std::string& mode,
                   const georef::Calage* calage = nullptr);
    // The same with a picture whose rows are still arriving: shown as they come.
    bool poseArriving(const std::string& path, std::unique_ptr<picture::PictureLoading> loading,
                      const std::string& mode);
    bool posePicture(const std::string& path, std::shared_ptr<const picture::Raster> picture,
                     std::shared_ptr<const picture::RowArrival> arrival, const std::string& mode,
                     const georef::Calage* calage);
    // While the picture arrives: the rows arrived shown, about every 50 ms, until the last.
    void showArrivedRows();
    // Waits for a small picture's whole decoding, which costs less than showing it arrive, and
    // for the size of a large one; "" or the reason it failed.
    static std::string awaitSmallPicture(picture::PictureLoading& loading);
    void showConverter();
    void showPictureConversion();
    // Pictures that come with their position, and the clipboard's picture.
    void openMapInfoTab();
    void openArcInfoHdr();
    void chargeImageGeoreferencee();
    // The calibrated picture written for GIS programs, through its panel.
    void enregistreImageGeoreferencee();
    void openClipboardPicture();
    void affecte_bitmap_img();
    void savePicture();
    void savePictureWithLines();
    // Projects: save, open, calibration values and points taken from another project file.
    // True when the project file was written.
    bool sauve_fic_points();
    void saveProject();
    void affiche_panel_sauve();
    void copyTablesToClipboard();
    void copyExportToClipboard();
    ExportPanel* exportPanel() const { return exportPanel_; }
    bool sauve_dans(const std::string& name);
    void openProject();
    // Opens a project file without its dialog (command line, recent projects).
    void ouvreProjet(const std::string& path);
    // The project file last opened or saved; empty for a project never saved.
    const std::string& projectFile() const { return projectFile_; }
    void importCalibrationValues();
    void addPointsFromProject();
    void importTextPoints();
    void chooseSpreadsheet();       // then its panel
    void importSpreadsheetPoints(); // "Traiter le fichier"
    SheetImportPanel* sheetImportPanel() const { return sheetImportPanel_; }
    void pasteCalibrationValues();

    // New acquisition on a blank sheet, for a digitizing table.
    void ouvrir_sans_bmp();
    void nouvelleFeuille(); // the same once unsaved work has been dealt with

    // The view: which rectangle of the layer is shown, and the overlay drawn on the layer.
    const picture::ViewRect& view() const { return view_; }
    void redessiner();
    void redessiner_calque();
    void af_point(int x, int y, int L, int i);
    void af_croix_calage(int x, int y);
    void af_micro_point(int x, int y);
    void toucheVue(int key);
    void Carte_complete();
    void plein_ecran();
    void applyKeepProportions();
    void position_scrollbar();

    // The mouse on the image area (the Ctrl key replays a left click). Shift and the left
    // button on a point drag it; the right button clicked on a point or a line opens the
    // editing menu, dragged it pans.
    void imagePressed(Qt::MouseButton button, QPoint position,
                      Qt::KeyboardModifiers modifiers = {});
    void imageMoved(QPoint position, Qt::MouseButtons buttons = Qt::NoButton);
    void imageReleased(Qt::MouseButton button = Qt::NoButton, QPoint position = {});

    // Edition › Annuler / Rétablir.
    void annuler();
    void retablir();

    // Commands of the menus, buttons and keys.
    bool askToQuit(); // true when the program is ending
    void quitterMenu() { askToQuit(); }
    void Nouvelle_suite_de_points() { project_.Nouvelle_suite_de_points(); }
    void devalide_point() { project_.devalide_point(); }
    void altitudePlus() { altitude_pm(+1); }
    void altitudeMoins() { altitude_pm(-1); }
    void stylePoints() { setDrawingStyle(false); }
    void styleLignes() { setDrawingStyle(true); }
    void showGraph();
    // The report on the line nearest the mouse ("Surface" clicks, D and S).
    void reportNearestLine();
    // "Cap et angle": distances and bearings summed from point to point.
    void CapClick();
    void agrandir() { toucheVue(Qt::Key_Plus); }
    void retrecir() { toucheVue(Qt::Key_Minus); }
    void tab_points() { showPointsTable(); }
    void setDrawingStyle(bool lines);
    void Redessiner();
    // Colouring the surfaces to measure on the layer.
    void colourSurfaceMode();         // "Colorer la surface"
    void colourBorderedSurfaceMode(); // "Colorer la surf. bordée"
    void pickBorderColourMode();
    void chooseFillColour();
    void undoColouring();
    // "-> Calcul Surf colorée" (false) or "n && b : seuil de gris ->" (true).
    void runRasterPass(bool threshold);
    const ColourTools& colourTools() const { return colour_; }
    void DigitaliserClick();
    void SurfaceClick();
    void CarteTableauClick();
    void CarteSeuleClick();
    void AideClick();
    void AideBascule();
    void AProposClick();
    void rouletteInverseeClick();
    void applyDigitizingTable();
    void altitude_pm(int sign);
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void wheel(int notches, QPoint position);

    // Before unsaved work is replaced or discarded: "Enregistrer" saves it first, "Ne pas
    // enregistrer" goes on, "Annuler" stops. False when the command must stop (also when the
    // save was cancelled or failed).
    bool gardeLeTravail();
    // At start-up: the copy a crash left behind, offered to be reopened.
    void proposeSecours();
    // The copy against a crash, written while the work is unsaved and has changed since (the
    // window's timer runs it once a minute).
    void ecritSecours();
    // "Quit direct" of the other windows: the program ends once unsaved work is dealt with.
    void quitteDirect();
    // After the save question: the descriptor chosen in the last folder.
    std::optional<std::string> demandeDescripteur(const std::string& title,
                                                  const std::string& filter);
    // The picture of a checked calibration opened with it; false when nothing changed.
    bool ouvreImageCalee(const georef::Calage& calage);
    // The coordinate system a georeferenced picture names, above the points.
    void showCoordinateSystem(const std::string& crs);

    // ProjectView.
    void savedChanged(bool saved) override;
    void showStatus(int panel, const std::string& text) override;
    void selectRow(model::TableId table, int row) override;
    int activePointsTableRow() const override;
    void restorePointsSelection(int row) override;
    void pointCountChanged(int n) override;
    void showPointsTable() override;
    void showPointsGrid() override;
    void drawPoint(int row) override;
    void drawCalibrationCross(int x, int y) override;
    void redrawOverlay() override;
    void redrawWithoutZones() override;
    void eraseRubberBand() override;
    void repaintView() override;
    void replayMouseMove() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void creerMenus();
    void creerPanneauOutils();
    void creerPanneauxFlottants();
    // Menus and commands are made from their French texts and show them translated.
    QMenu* addMenu(QMenu* parent, const char* title);
    QAction* addCommand(QMenu* menu, const char* caption, void (MainWindow::*handler)(),
                        const QKeySequence& key = {});
    // Options › Langue: the choice is kept for the next start.
    void creerMenuLangue(QMenu* menu);
    static bool chooseLanguage(std::optional<platform::Language> language);
    QToolButton* toolButton(const QString& caption, const QString& hint, bool checkable = false);

public:
    // Tells plainly that a command is not part of this version yet.
    void pasEncoreDisponible(const QString& command);

private:
    void fillRecentProjects(QMenu* menu);
    // The caption: the picture, then the project's file name, " *" while it is not saved.
    void majTitre();
    // Writes the project file alone; true when written.
    bool ecritProjet(const std::string& path);
    std::optional<std::uint64_t> secoursVersion_; // the history version last copied
    bool secoursFailureTold_ = false;             // said once, until a copy is written again
    bool proposeEnregistrement(const std::string& question);
    // Reads and checks the whole file, then finds and decodes its picture, before anything of
    // the work in progress changes; false when refused (told) or given up. A copy against a
    // crash is read for the project `recovered` names (empty: one never saved), still unsaved.
    bool litProjet(const std::string& path,
                   const std::optional<std::string>& recovered = std::nullopt);
    // The project read and its picture made the work in progress; nothing can fail here.
    void commitProject(files::ProjetLu read, std::optional<PreparedPicture> picture);
    std::optional<std::string> demandeNomProjet();
    // "Carte + Tableau" unless it is in force already: a load never moves the windows.
    void carteEtTableau();
    void placeMapAndTable();
    void placeMapBesideTable(); // once, with the frames as they are now
    // The points table of the whole height at the right edge of `area`; its width.
    int placeTableAtRightEdge(const QRect& area);
    // The width of the points table's column at the right of the free area.
    int tableColumnWidth(const QRect& area) const;
    bool mapBesideTable() const; // "Carte + Tableau" in force
    // The part of the screen the arrangement in force leaves the main window.
    QRect mapRoom() const;
    // The window as large as the arrangement in force lets it, out of full screen.
    void grande_fenetre();
    // The status texts of the calibration prompts and of the point count, brought up to date.
    void majStatut();
    // The model, axes and RMS on the calibration panel, the RMS in the status bar.
    void showFit();
    void placeCursorLeftOfCentre();
    void hideTextPanelWithRefresh();
    // What every point import ends with: the counts and the redraw.
    void finImport();
    void selectMode(QToolButton* button);
    void hideColouringControls();
    void showColouringControls();
    // One of the colouring modes is down (fills, picker, brush, eraser, threshold).
    bool colouringModeActive() const;
    void enterFillMode(QToolButton* mode);
    void startCalibration(); // "Calibrer ->"
    void armControlPoint();  // "Ajouter un point de contrôle"
    void chooseCalibrationModel(model::TransformMethod method, const model::AxisKinds& axes);
    void rescaleToDistance(const QString& typed);
    void setZOfSelectedPoint(const QString& text);
    bool keepProportions() const;
    // Another project file read whole for its calibration values or points, once the user
    // agrees to take it over another picture; nothing when refused (told) or declined.
    std::optional<files::ProjetLu> readOtherProject(const std::string& path,
                                                    const std::string& question);
    void init_calque_a_b_pen();
    void showCoordinates(model::Real X, model::Real Y);
    // The real coordinates of the mouse go with the picture or the calibration they were read
    // in; the next move shows new ones.
    void clearCoordinates();
    void showPrompt(const QString& text, const QColor& colour, QPoint near);
    void moveBand(int x, int y);
    bool bandApplies() const;

    model::Project project_;
    // The picture in its canvas with the crosses, points and lines drawn on it.
    picture::Layer layer_;
    picture::BarePicture barePicture_;
    picture::Overview overview_;
    std::unique_ptr<picture::PictureLoading> loading_; // the picture's rows still arriving
    QTimer* arrivalTimer_ = nullptr;
    bool askingAboutPicture_ = false; // the questions that follow a new picture are open
    picture::ViewRect view_;
    // The point the last zoom steps kept in place, for the mouse and view they left.
    struct ZoomAnchorAt {
        picture::ZoomAnchor anchor;
        QPoint mouse;
        QSize area;
        picture::ViewRect view;
    };
    std::optional<ZoomAnchorAt> zoomAnchor_;
    picture::ViewRect shown_;
    bool redrawNeeded_ = false;
    QPoint previousPoint_; // layer pixel of the last drawn point: where the band starts
    QPoint lastMouse_;     // image-area position of the last move
    bool dragging_ = false;
    QPoint anchor_;
    QPoint rightPress_;      // where the right button went down: a click if released near it
    bool ctrlClick_ = false; // Ctrl is down with no other key yet: a click on its release
    // The click modes, one tool for each mode button; the button down names the current one.
    void creerOutils();
    ToolContext toolContext();
    ClickTool& currentTool() const;
    // The picture's overview was made again: the tools read it again.
    void overviewChanged();
    // The picture whole and its overview made.
    void pictureSettled();
    std::map<const QAbstractButton*, std::unique_ptr<ClickTool>> tools_;
    // The right button clicked on a point or a line: delete or insert a point.
    void menuEdition(QPoint position);
    // After an undo or a redo: the map, the table and the status bar follow.
    void apresHistorique();
    QAction* annulerItem_ = nullptr;
    QAction* retablirItem_ = nullptr;
    bool fullScreen_ = false;
    QLabel* floating_ = nullptr;             // "X et Y   flottants"
    QLabel* prompt_ = nullptr;               // calibration prompts beside the mouse
    LayerPainter* overlayPainter_ = nullptr; // open while the whole overlay is drawn again
    ShellWindows windows_;
    QString parametre_;
    std::string projectFile_; // the project opened or saved last, named in the caption
    QString pictureCaption_;  // the caption's picture part
    int wheelDirection_ = 1;
    bool drawsLines_ = true;
    // Started when the main window takes over from the points table: the click that brought
    // it forward only activates it.
    QElapsedTimer activatedFromTable_;
    QWindow* previousFocus_ = nullptr;
    bool quitting_ = false;
    const QEvent* lastKey_ = nullptr;

    ImageArea* imageArea_ = nullptr;
    QScrollBar* horizontalBar_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    QWidget* toolPanel_ = nullptr; // at the bottom
    QLabel* status_[3] = {};
    QLabel* stepLabel_ = nullptr;
    QLabel* cumulLabel_ = nullptr; // "cumul"
    QCheckBox* flottants_ = nullptr;
    TextPanel* textPanel_ = nullptr;
    AltitudePanel* altitudePanel_ = nullptr;
    CalibrationPanel* calibrationPanel_ = nullptr;
    ScalePanel* scalePanel_ = nullptr;
    ExportPanel* exportPanel_ = nullptr;
    SheetImportPanel* sheetImportPanel_ = nullptr;
    GeoreferencedPicturePanel* georefPicturePanel_ = nullptr;

    std::map<QString, QAction*> actions_;
    QAction* pointsItem_ = nullptr;
    QAction* lignesItem_ = nullptr;
    QAction* tableItem_ = nullptr;
    QAction* rouletteItem_ = nullptr;
    QAction* annulationItem_ = nullptr;
    QToolButton* pointsButton_ = nullptr;
    QToolButton* lignesButton_ = nullptr;
    QToolButton* carteTableau_ = nullptr;
    QToolButton* carteSeule_ = nullptr;
    QToolButton* digitaliser_ = nullptr;
    QToolButton* surface_ = nullptr;
    QToolButton* capButton_ = nullptr;
    QToolButton* traceButton_ = nullptr;
    QToolButton* lineHeightButton_ = nullptr;
    QCheckBox* aimanter_ = nullptr;
    QToolButton* avecLignes_ = nullptr;
    QToolButton* sansLignes_ = nullptr;
    ColourTools colour_;
};

} // namespace tracelle::ui
