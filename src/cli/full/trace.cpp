// tracelle-cli trace: a line of a picture followed from a point, or a graph's curve taken by
// X step in a box, as the tracing click modes take them; the points printed, or appended to a
// project.
#include "trace/Trace.h"

#include "cli/Command.h"
#include "cli/OptionValues.h"
#include "files/ProjectFile.h"
#include "model/Project.h"

#include <iostream>
#include <sstream>

namespace tracelle::cli {

namespace {

std::vector<trace::PixelPoint> traced(const Arguments& args, const picture::Layer& layer) {
    const double tolerance = positive(args, "tolerance", trace::kDefaultTolerance);
    const auto colour =
        args.value("colour") ? std::optional(couleur(args, "colour", {})) : std::nullopt;
    if (const auto box = args.value("box")) {
        if (args.value("from"))
            throw InputError(platform::translate("cli", "--from et --box s'excluent"));
        if (!colour)
            throw InputError(platform::translate(
                "cli", "--box demande la couleur de la courbe : --colour R,G,B"));
        const auto c = integers("box", *box, 4, "X0,Y0,X1,Y1");
        const int step = wholePixels(args, "x-step", trace::kDefaultXStep, 1);
        // As the window takes it, so that both give the same points.
        trace::BoxCurve curve =
            trace::curveInBox(layer, {c[0], c[1], c[2], c[3]}, colour, tolerance, step);
        if (curve.points.empty())
            throw InputError(
                platform::fill(platform::translate("cli", "La couleur %1 n'est pas dans le cadre"),
                               {*args.value("colour")}));
        return std::move(curve.points);
    }
    const auto from = args.value("from");
    if (!from)
        throw InputError(
            platform::translate("cli", "--from X,Y ou --box X0,Y0,X1,Y1 est obligatoire"));
    const auto at = integers("from", *from, 2, "X,Y");
    if (at[0] < 0 || at[1] < 0 || at[0] >= layer.width() || at[1] >= layer.height())
        throw InputError(platform::fill(
            platform::translate("cli", "--from : le point %1 est hors de l'image"), {*from}));
    trace::FollowSettings settings;
    if (colour) settings.colour = trace::lineColourNear(layer, {at[0], at[1]}, *colour);
    settings.tolerance = tolerance;
    settings.gap = wholePixels(args, "gap", trace::kDefaultGap, 0);
    const trace::Trace t = trace::followLine(layer, {at[0], at[1]}, settings);
    if (t.result != trace::TraceResult::Followed) throw InputError(trace::message(t.result));
    if (args.value("simplify"))
        return trace::simplify(t.centreline, positive(args, "simplify", trace::kDefaultSimplify));
    return trace::resample(t.centreline, positive(args, "spacing", trace::kDefaultSpacing));
}

int traceCommand(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "IMAGE"));
    args.atMost(1);
    if (args.value("spacing") && args.value("simplify"))
        throw InputError(platform::translate("cli", "--spacing et --simplify s'excluent"));
    const auto projectFile = args.value("project");
    const auto out = args.value("output");
    if (projectFile.has_value() != out.has_value())
        throw InputError(platform::translate("cli", "--project et -o SORTIE.trc vont ensemble"));
    model::Project project;
    if (projectFile) chargeProjet(*projectFile, project);
    const picture::Layer layer = chargeImage(file);
    const std::vector<trace::PixelPoint> points = traced(args, layer);
    if (!projectFile) {
        std::ostringstream text;
        for (const trace::PixelPoint& p : points)
            text << p.x << '\t' << p.y << '\n';
        std::cout << text.str();
        return 0;
    }
    trace::appendTrace(project, points);
    if (const std::string error = files::sauve_projet(project, *out); !error.empty())
        throw InputError(error);
    return 0;
}

const Registration registration({
    "trace",
    QT_TRANSLATE_NOOP("cli",
                      "suit un trait de l'image depuis un point, ou une courbe par pas de X"),
    QT_TRANSLATE_NOOP(
        "cli",
        "IMAGE --from X,Y [--colour R,G,B] [--tolerance T] [--gap PX]\n"
        "                           [--spacing PX | --simplify PX] [--project P.trc -o "
        "SORTIE.trc]\n"
        "        tracelle-cli trace IMAGE --box X0,Y0,X1,Y1 --colour R,G,B --x-step PX [...mêmes "
        "options]\n\n"
        "Suit le trait sous le point X,Y dans les deux sens, jusqu'à ses bouts, au bord de "
        "l'image\n"
        "ou à une interruption plus longue que --gap ; aux croisements il garde sa couleur et va\n"
        "tout droit. Avec --box, prend un point par bande de --x-step colonnes au centre des "
        "pixels\n"
        "de la couleur (Courbe par pas de X). Sans projet, écrit les points en pixels, « x<TAB>y "
        "»,\n"
        "un par ligne, d'un bout du trait à l'autre. Avec --project, ajoute les points au projet\n"
        "sur une nouvelle ligne (ou sur la ligne en cours si elle est vide), avec leurs\n"
        "coordonnées réelles par le calage, et écrit le projet dans SORTIE.trc.\n\n"
        "  --from X,Y              le point de départ, sur le trait\n"
        "  --box X0,Y0,X1,Y1       le cadre de la courbe (entre les axes), avec --colour\n"
        "  --colour R,G,B          la couleur du trait (défaut : celle sous le point de départ)\n"
        "  --tolerance T           l'écart de couleur admis, en ΔE CIE (défaut 30)\n"
        "  --gap PX                la plus longue interruption franchie, en pixels (défaut 6)\n"
        "  --spacing PX            un point tous les PX pixels le long du trait (défaut 10)\n"
        "  --simplify PX           le moins de points à moins de PX pixels du trait\n"
        "                          (Douglas-Peucker)\n"
        "  --x-step PX             la largeur des bandes de colonnes avec --box (défaut 5)\n"
        "  --project P.trc         le projet auquel ajouter la ligne\n"
        "  -o, --output SORTIE.trc le projet écrit\n"),
    {{"from", true},
     {"box", true},
     {"colour", true},
     {"tolerance", true},
     {"gap", true},
     {"spacing", true},
     {"simplify", true},
     {"x-step", true},
     {"project", true},
     {"output", true, 'o'}},
    traceCommand,
});

} // namespace

} // namespace tracelle::cli
