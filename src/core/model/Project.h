// One digitizing project: the points, calibration and lines tables, and the state that
// goes with them (point count, current line, calibration records).
#pragma once

#include "model/History.h"
#include "model/ProjectView.h"
#include "model/Real.h"
#include "model/TextTable.h"
#include "model/transform/FittedCalibration.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tracelle::model {

struct CalibrationRecord {
    bool set = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    Real X = 0;
    Real Y = 0;
    Real Z = 0;
};

// Calibration by three clicked points, or by two with the third derived.
enum class CalibrationMode { ThreePoints = 0, Oblique = 1, Horizontal = 2 };

struct PointRow {
    std::int32_t L = 0;
    std::string label;
    Real Z = 0;
    Real Y = 0;
    Real X = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct ImagePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A calibration point as the calibration table holds it: its real X and Y as texts, its
// pixel in the canvas.
struct CalibrationPoint {
    std::string X;
    std::string Y;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct NearestPoint {
    std::int32_t line = 0;
    std::int32_t point = 0;
};

enum class RescaleResult { Refused, Declined, Applied };

// The background picture as the project names and places it.
struct PictureState {
    std::string file; // the user's own file, full path; empty without a picture
    int canvasWidth = 0;
    int canvasHeight = 0;
    int ox = 0; // where the picture's top-left pixel lies in the canvas
    int oy = 0;
    // A PDF opened as the picture: its page (from 1) and resolution; 0 for any other file.
    int pdfPage = 0;
    int pdfDpi = 0;
};

class Project {
public:
    Project();
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    TextTable& points() { return points_; }
    TextTable& calibration() { return calibration_; }
    TextTable& lines() { return lines_; }
    const TextTable& points() const { return points_; }
    const TextTable& calibration() const { return calibration_; }
    const TextTable& lines() const { return lines_; }

    // The windows that show this project; null detaches them.
    void setView(ProjectView* view);
    ProjectView& view() const { return *view_; }
    // The user's actions, to be undone and redone.
    History& history() { return history_; }

    int indice_col(std::string_view header) const;
    int indice_col_cal(std::string_view header) const;

    // Project state.
    std::int32_t N() const { return n_; }
    std::int32_t currentLine() const { return currentLine_; }
    // For the operations that rewrite whole tables (line deletion, file reading, imports).
    void setN(std::int32_t n) { n_ = n; }
    void setCurrentLine(std::int32_t line) { currentLine_ = line; }
    // K calibration points, their records loaded from the calibration table (a file read).
    void chargeCalage(std::int32_t k);
    bool lineBreakPending() const { return lineBreakPending_; }
    void setLineBreakPending(bool pending) { lineBreakPending_ = pending; }
    std::int32_t K() const { return k_; }
    const CalibrationRecord& record(int k) const {
        return records_.at(static_cast<std::size_t>(k));
    }
    ImagePoint mousePosition() const { return mouse_; }
    void setMousePosition(ImagePoint p) { mouse_ = p; }
    bool saved() const { return saved_; }
    void setSaved(bool saved);
    bool tableMode() const { return tableMode_; }
    void setTableMode(bool on) { tableMode_ = on; }
    CalibrationMode calibrationMode() const { return calibrationMode_; }
    void setCalibrationMode(CalibrationMode mode) { calibrationMode_ = mode; }
    Real lastDistance() const { return lastDistance_; }
    void setLastDistance(Real d) { lastDistance_ = d; }

    PictureState& picture() { return picture_; }
    const PictureState& picture() const { return picture_; }

    // Number of decimals D, from the text of the decimals box.
    int D() const { return decimals_; }
    const std::string& decimalsText() const { return decimalsText_; }
    void setDecimalsText(std::string text);
    void affecte_ndecimale();

    // Points.
    void stocke_xy(std::int32_t n, std::int32_t L, std::int32_t x, std::int32_t y);
    void valide_point(std::int32_t n, std::int32_t L, std::int32_t x, std::int32_t y);
    // Stores a clicked point as the next one of the current line.
    void ajoute_point(std::int32_t x, std::int32_t y);
    void affecte_en(int i, std::int32_t L, const std::string& label, Real Z, Real X, Real Y,
                    std::int32_t x, std::int32_t y);
    void affecte_calage(int k, std::int32_t L, const std::string& label, Real Z, Real Y, Real X);
    // Fills `row` from row i when 1 <= i < row count; false (row untouched) otherwise.
    bool liste_extrait_Lxy(int i, PointRow& row) const;
    void stocke_modif_xy(int i);
    ImagePoint extrait_xy(int i) const;
    // Nothing when a cell is not exactly one number.
    std::optional<RealPoint> extrait_xr_yr(int i) const;
    void devalide_point();
    void efface_tab_et_point();
    // Editing on the picture. The point of row i moved to pixel (x, y), its X, Y made again;
    // calibration point k moved, every point made again; row i deleted, its line keeping its
    // other points; a point at (x, y) inserted before row i, on its line.
    void deplacePoint(int i, std::int32_t x, std::int32_t y);
    void deplaceCalage(int k, std::int32_t x, std::int32_t y);
    void supprimePoint(int i);
    void inserePoint(int i, std::int32_t x, std::int32_t y);
    void Nouvelle_suite_de_points();
    // A new line begun without a word, in the colour of the line before (lines added by the
    // hundred); returns its number.
    int startLine();
    // Updates `result` only when a shown point is found.
    bool cherche_proche_indice_ligne_point(NearestPoint& result) const;
    std::string val_calage() const;
    // "Suite L  point N ": the current line and the point count, for the status bar.
    std::string texteSuitePoint() const;
    // Empties the tables and the state, as when a new picture is opened.
    void clear();
    // Forgets the points and the lines but line 1's settings; the calibration stays.
    void clearPointsAndLines();

    // Calibration.
    bool repere_carte(std::int32_t x, std::int32_t y, Real& X, Real& Y) const;
    bool repere_image(Real X, Real Y, std::int32_t& x, std::int32_t& y) const;
    void valide_point_calage(std::int32_t x, std::int32_t y);
    bool distance_nulle_entre_calage(int k, std::int32_t x, std::int32_t y) const;
    void calcul_nouveaux_calage();
    // The same when rows first..last were just written with their real values made from their
    // pixels: if reloading leaves the calibration as it was, they are already what the
    // recomputation would write, and are passed over.
    void calcul_nouveaux_calage(int currentFirst, int currentLast);
    void mess_3_calage_svp_et_init();
    // The pixel frame of a picture of w × h drawn at (ox, oy), Y upwards.
    void setDefaultCalibration(std::int32_t w, std::int32_t h, std::int32_t ox, std::int32_t oy);
    // Three calibration points written as they are given (Z = 0), K = 3.
    void setCalibration(const std::array<CalibrationPoint, 3>& points);
    // Scales the calibration so that the last computed distance measures `typed`.
    RescaleResult rescale(const std::string& typed);
    // Forgets the calibration points so that the next clicks set them again.
    void restartCalibration();

    // Control points: calibration rows 1 to K, then, once K = 3, the further rows from 4 on.
    // The fitted model is a cache of them, made again whenever they change.
    std::vector<ControlPoint> controlPoints() const;
    int controlPointCount() const;
    bool isCalibrated() const { return k_ >= 3 && fit_.fitted(); }
    const FittedCalibration& calibrationFit() const { return fit_; }
    TransformMethod calibrationMethod() const { return fit_.method(); }
    const AxisKinds& axisKinds() const { return fit_.axes(); }
    // Real units of the fitted plane per pixel, and real area per pixel, around (x, y).
    std::optional<Real> localScale(std::int32_t x, std::int32_t y) const;
    std::optional<Real> areaScale(std::int32_t x, std::int32_t y) const;
    // Each change is kept only when the control points still fit, and then every point is
    // made again; otherwise nothing changes and the status says why.
    FitStatus setCalibrationModel(TransformMethod method, const AxisKinds& axes);
    // A further control point, as a new calibration row (K = 3 only).
    FitStatus addControlPoint(std::int32_t x, std::int32_t y, Real X, Real Y, Real Z);
    // Many at once (a paste), as one action whose points are recomputed once.
    FitStatus addControlPoints(std::span<const CalibrationRecord> points);
    FitStatus setControlPointUsed(int row, bool used);
    bool controlPointUsed(int row) const;
    // The model, axes and left-out rows of a project read from a file, fitted without
    // recomputing the points, which the file holds already.
    void restoreCalibrationModel(TransformMethod method, const AxisKinds& axes,
                                 const std::vector<int>& leftOutRows);
    std::vector<int> leftOutRows() const;
    // Fits again after the calibration rows changed (a click, a typed value, an undo).
    void refitCalibration();
    // The calibration rows up to 3 that a project opened with K < 3 left out, made again with
    // their default values, before values are written into them.
    void completeCalibrationRows() { resetCalibrationRows(calibration_.rowCount()); }

    // Column indices of the points table, found by their header text: looked up once by
    // the loops that write many points.
    struct PointColumns {
        int n, L, label, X, Y, Z, x, y;
    };
    PointColumns pointColumns() const;
    // affecte_en with the columns already found.
    void writePoint(const PointColumns& c, int i, std::int32_t L, const std::string& label, Real Z,
                    Real X, Real Y, std::int32_t x, std::int32_t y);

private:
    void readPoint(const PointColumns& c, int i, PointRow& row) const;
    void markLeftOut(int row, bool out);
    // The "n" cells of the points from row `from` on.
    void renumerote(int from);
    // `told`: whether the recomputation has already told of a cell holding no number.
    void recomputePoint(const PointColumns& c, int i, bool& told);

    void resetTables();
    // Calibration rows `first` to 3 as a new project has them; none from 4 on. A project
    // opened with K < 3 has only K rows: clicking or framing a picture makes the others again.
    void resetCalibrationRows(int first);
    void loadRecords(int upTo);
    void readRecordReals(int k, Real (*read)(std::string_view));
    void deriveThirdPoint();
    bool derivedPointWouldCoincide(std::int32_t x, std::int32_t y) const;

    friend class History; // puts back the counts beside the tables

    TextTable points_;
    TextTable calibration_;
    TextTable lines_;
    History history_{*this};
    ProjectView* view_;

    std::int32_t n_ = 0;
    std::int32_t currentLine_ = 1;
    bool lineBreakPending_ = true;
    std::int32_t k_ = 0;
    std::array<CalibrationRecord, 4> records_{}; // 1-based
    FittedCalibration fit_;
    std::vector<bool> leftOut_; // by calibration row
    ImagePoint mouse_{};
    bool saved_ = true;
    bool tableMode_ = false;
    CalibrationMode calibrationMode_ = CalibrationMode::ThreePoints;
    Real lastDistance_ = 0;
    std::uint32_t lastColour_ = 255;
    PictureState picture_;

    std::string decimalsText_ = "8";
    std::string reportedDecimalsText_;
    int decimals_ = 8;
};

} // namespace tracelle::model
