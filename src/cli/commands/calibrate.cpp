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
    if (!in)
        throw InputError(
            platform::fill(platform::translate("cli", "impossible de lire le fichier %1"), {path}));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    files::ControlPointLines read = files::readControlPoints(bytes.str(), path);
    if (!read.error.empty()) throw InputError(read.error);
    return std::move(read.points);
}

// The calibration rows replaced: the first three points as the calibration, the others after,
// every point recomputed once.
void replaceCalibration(model::Project& project, const std::vector<files::ControlPointLine>& points,
                        model::TransformMethod method, const model::AxisKinds& axes) {
    std::array<model::CalibrationPoint, 3> three;
    for (std::size_t k = 0; k < 3; ++k)
        three[k] = {model::reel_en_texte_point(points[k].X),
                    model::reel_en_texte_point(points[k].Y), points[k].x, points[k].y};
    project.setCalibration(three);
    model::TextTable& cal = project.calibration();
    cal.setRowCount(4);
    for (int row = 1; row <= 3; ++row)
        cal.setCell(row, project.indice_col_cal("Z"),
                    model::reel_en_texte_point(points[std::size_t(row) - 1].Z));
    project.restoreCalibrationModel(method, axes, {});
    std::vector<model::CalibrationRecord> further;
    for (std::size_t i = 3; i < points.size(); ++i)
        further.push_back({true, points[i].x, points[i].y, points[i].X, points[i].Y, points[i].Z});
    if (further.empty())
        project.calcul_nouveaux_calage();
    else
        project.addControlPoints(further);
}

// The axes as the calibration panel sets them: a polar plot's options only with --polar, and its
// radius logarithmic by --log-r, since its angle is always linear.
model::AxisKinds axesOf(const Arguments& args) {
    model::AxisKinds axes;
    const bool polar = args.flag("polar");
    if (!polar) {
        for (const char* option : {"log-r", "theta", "clockwise", "centre"})
            if (args.flag(option))
                throw UsageError(platform::fill(
                    platform::translate("cli", "--%1 ne s'emploie qu'avec --polar"), {option}));
        if (args.flag("log-x")) axes.x = model::AxisScale::Log10;
        if (args.flag("log-y")) axes.y = model::AxisScale::Log10;
        return axes;
    }
    for (const char* option : {"log-x", "log-y"})
        if (args.flag(option))
            throw UsageError(platform::fill(
                platform::translate(
                    "cli",
                    "--%1 ne s'emploie pas avec --polar : le rayon logarithmique est --log-r"),
                {option}));
    axes.polar = true;
    if (args.flag("log-r")) axes.x = model::AxisScale::Log10;
    const std::string unit = args.value("theta").value_or("deg");
    if (unit == "rad")
        axes.angleUnit = model::AngleUnit::Radians;
    else if (unit != "deg")
        throw UsageError(
            platform::fill(platform::translate("cli", "--theta : deg ou rad, et non %1"), {unit}));
    axes.clockwise = args.flag("clockwise");
    axes.origin = args.integer("centre", 0);
    if (args.flag("centre") && axes.origin < 1)
        throw UsageError(platform::translate(
            "cli", "--centre attend le numéro d'un point de contrôle, à partir de 1"));
    return axes;
}

int calibrate(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "PROJET.trc"));
    args.atMost(1);
    const auto control = args.value("control");
    if (!control) throw UsageError(platform::translate("cli", "--control FICHIER est attendu"));
    const auto out = args.value("output");
    if (!out) throw UsageError(platform::translate("cli", "-o SORTIE.trc est attendu"));
    const std::string modelName = args.value("model").value_or("affine");
    const auto method = model::methodNamed(modelName);
    if (!method)
        throw UsageError(platform::fill(
            platform::translate("cli", "--model : affine, helmert, projective ou poly2, et non %1"),
            {modelName}));
    const model::AxisKinds axes = axesOf(args);

    model::Project project;
    chargeProjet(file, project);
    const std::vector<files::ControlPointLine> points = readControlFile(*control);
    if (static_cast<std::size_t>(axes.origin) > points.size())
        throw InputError(platform::fill(
            platform::translate("cli", "--centre %1 : %2 n'a que %3 points de contrôle"),
            {std::to_string(axes.origin), *control, std::to_string(points.size())}));
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
            throw InputError(platform::fill(
                platform::translate("cli", "il faut au moins 3 points de contrôle, %1 en a %2"),
                {*control, std::to_string(points.size())}));
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
    QT_TRANSLATE_NOOP(
        "cli",
        "remplace le calage d'un projet par des points de contrôle ajustés aux moindres carrés"),
    QT_TRANSLATE_NOOP(
        "cli",
        "PROJET.trc --control FICHIER [--model affine|helmert|projective|poly2] [--log-x] "
        "[--log-y]\n          [--polar [--log-r] [--theta deg|rad] [--clockwise] [--centre N]]\n"
        "          -o SORTIE.trc\n\n"
        "  --control FICHIER  un point de contrôle par ligne : « x y X Y [Z] » (le pixel, puis\n"
        "                     les valeurs réelles ; tabulations ou espaces)\n"
        "  --model MODÈLE     affine (par défaut), helmert, projective ou poly2\n"
        "  --log-x, --log-y   axe logarithmique (base 10)\n"
        "  --polar            axes polaires : X réel est le rayon r, Y réel l'angle θ\n"
        "  --log-r            rayon logarithmique (base 10)\n"
        "  --theta UNITÉ      angle en degrés (deg, par défaut) ou en radians (rad)\n"
        "  --clockwise        angle compté dans le sens horaire\n"
        "  --centre N         le centre est le point de contrôle N (sinon là où r = 0, ou r = 1\n"
        "                     sur un rayon logarithmique)\n"
        "  -o SORTIE.trc      le projet écrit, chaque point recalculé\n\n"
        "Affiche les résidus (ajusté moins donné) : une ligne par point de contrôle\n"
        "« n x y X Y dX dY d », puis « RMS valeur ». Trop peu de points pour le modèle, des "
        "points\nalignés ou une valeur ≤ 0 sur un axe logarithmique : sortie 1, rien n'est "
        "écrit.\n"),
    {{"control", true},
     {"model", true},
     {"log-x"},
     {"log-y"},
     {"polar"},
     {"log-r"},
     {"theta", true},
     {"clockwise"},
     {"centre", true},
     {"output", true, 'o'}},
    calibrate,
});

} // namespace

} // namespace tracelle::cli
