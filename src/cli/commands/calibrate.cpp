// tracelle-cli calibrate: a project's calibration replaced by control points from a file,
// fitted by least squares, every point recomputed; the residuals on standard output.
#include "cli/Command.h"
#include "files/ControlPointText.h"
#include "files/ProjectFile.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/transform/FittedCalibration.h"
#include "model/transform/ModelNames.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace tracelle::cli {

namespace {

// The control file, whole, or the message of its first unreadable line.
std::vector<files::ControlPointLine> readControlFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError("impossible de lire le fichier " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    files::ControlPointLines read = files::readControlPoints(bytes.str(), path);
    if (!read.error.empty()) throw InputError(read.error);
    return std::move(read.points);
}

// The calibration rows replaced: the first three points as the calibration, the others after.
void replaceCalibration(model::Project& project, const std::vector<files::ControlPointLine>& points,
                        model::TransformMethod method, const model::AxisKinds& axes) {
    std::array<model::CalibrationPoint, 3> three;
    for (std::size_t k = 0; k < 3; ++k)
        three[k] = {model::reel_en_texte_point(points[k].X),
                    model::reel_en_texte_point(points[k].Y), points[k].x, points[k].y};
    project.setCalibration(three);
    model::TextTable& cal = project.calibration();
    cal.setRowCount(4);
    const auto set = [&](int row, const char* header, std::string text) {
        cal.setCell(row, project.indice_col_cal(header), std::move(text));
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (row > 3) {
            cal.setRowCount(row + 1);
            set(row, "n", std::to_string(row));
            set(row, "L", "0");
            set(row, "Libellé", "cal " + std::to_string(row));
            set(row, "X", model::reel_en_texte_point(points[i].X));
            set(row, "Y", model::reel_en_texte_point(points[i].Y));
            set(row, "x", model::_format(points[i].x, 4, 0));
            set(row, "y", model::_format(points[i].y, 4, 0));
        }
        set(row, "Z", model::reel_en_texte_point(points[i].Z));
    }
    project.restoreCalibrationModel(method, axes, {});
    project.calcul_nouveaux_calage();
}

int calibrate(const Arguments& args) {
    const std::string& file = args.positional(0, "PROJET.trc");
    if (args.positional().size() > 1)
        throw UsageError("argument en trop : " + args.positional()[1]);
    const auto control = args.value("control");
    if (!control) throw UsageError("--control FICHIER est attendu");
    const auto out = args.value("output");
    if (!out) throw UsageError("-o SORTIE.trc est attendu");
    const std::string modelName = args.value("model").value_or("affine");
    const auto method = model::methodNamed(modelName);
    if (!method)
        throw UsageError("--model : affine, helmert, projective ou poly2, et non " + modelName);
    model::AxisKinds axes;
    if (args.flag("log-x")) axes.x = model::AxisScale::Log10;
    if (args.flag("log-y")) axes.y = model::AxisScale::Log10;

    model::Project project;
    chargeProjet(file, project);
    const std::vector<files::ControlPointLine> points = readControlFile(*control);
    std::vector<model::ControlPoint> fitted;
    for (const files::ControlPointLine& p : points)
        fitted.push_back(
            {{static_cast<model::Real>(p.x), static_cast<model::Real>(p.y)}, {p.X, p.Y}, true});
    model::FittedCalibration fit(*method, axes);
    model::FitStatus status = fit.fit(fitted);
    // The project's calibration rows are three: fewer points never make a frame.
    if (status == model::FitStatus::Fitted && points.size() < 3)
        status = model::FitStatus::TooFewPoints;
    if (status != model::FitStatus::Fitted) {
        if (status == model::FitStatus::TooFewPoints && points.size() < 3)
            throw InputError("il faut au moins 3 points de contrôle, " + *control + " en a " +
                             std::to_string(points.size()));
        throw InputError(model::fitStatusMessage(status, *method));
    }

    replaceCalibration(project, points, *method, axes);
    if (const std::string error = files::sauve_projet(project, *out); !error.empty())
        throw InputError(error);

    std::ostringstream table;
    table << "n\tx\ty\tX\tY\tdX\tdY\td\n";
    const auto& residuals = project.calibrationFit().residuals();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const files::ControlPointLine& p = points[i];
        const model::Residual& r = residuals[i];
        table << i + 1 << '\t' << p.x << '\t' << p.y << '\t' << model::texte_general(p.X) << '\t'
              << model::texte_general(p.Y) << '\t' << model::texte_general(r.dX) << '\t'
              << model::texte_general(r.dY) << '\t' << model::texte_general(r.distance) << '\n';
    }
    table << "RMS\t" << model::texte_general(project.calibrationFit().rms()) << '\n';
    ecritSortie(std::nullopt, table.str());
    return 0;
}

const Registration registration({
    "calibrate",
    "remplace le calage d'un projet par des points de contrôle ajustés aux moindres carrés",
    "PROJET.trc --control FICHIER [--model affine|helmert|projective|poly2] [--log-x] "
    "[--log-y]\n          -o SORTIE.trc\n\n"
    "  --control FICHIER  un point de contrôle par ligne : « x y X Y [Z] » (le pixel, puis\n"
    "                     les valeurs réelles ; tabulations ou espaces)\n"
    "  --model MODÈLE     affine (par défaut), helmert, projective ou poly2\n"
    "  --log-x, --log-y   axe logarithmique (base 10)\n"
    "  -o SORTIE.trc      le projet écrit, chaque point recalculé\n\n"
    "Affiche les résidus (ajusté moins donné) : une ligne par point de contrôle\n"
    "« n x y X Y dX dY d », puis « RMS valeur ». Trop peu de points pour le modèle, des "
    "points\nalignés ou une valeur ≤ 0 sur un axe logarithmique : sortie 1, rien n'est écrit.\n",
    {{"control", true}, {"model", true}, {"log-x"}, {"log-y"}, {"output", true, 'o'}},
    calibrate,
});

} // namespace

} // namespace tracelle::cli
