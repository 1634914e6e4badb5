// tracelle-cli vectorize: every line of one colour of a picture, as "Vectoriser la couleur"
// finds them; the points printed line by line, or the lines appended to a project.
#include "trace/Vectorize.h"

#include "cli/Command.h"
#include "cli/OptionValues.h"
#include "files/ProjectFile.h"
#include "model/Project.h"

#include <iostream>

namespace tracelle::cli {

namespace {

trace::VectorizeSettings settingsOf(const Arguments& args) {
    if (!args.value("colour"))
        throw InputError(platform::translate("cli", "--colour R,G,B est obligatoire"));
    trace::VectorizeSettings s;
    s.colour = couleur(args, "colour", {});
    if (const auto box = args.value("box")) {
        const auto c = integers("box", *box, 4, "X0,Y0,X1,Y1");
        s.box = trace::Box{c[0], c[1], c[2], c[3]};
    }
    s.tolerance = positive(args, "tolerance", trace::kDefaultTolerance);
    s.gap = wholePixels(args, "gap", trace::kDefaultGap, 0);
    s.minLength = positive(args, "min-length", trace::kDefaultMinLength);
    s.simplify = positive(args, "simplify", trace::kDefaultSimplify);
    return s;
}

int vectorizeCommand(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "IMAGE"));
    args.atMost(1);
    const auto projectFile = args.value("project");
    const auto out = args.value("output");
    if (projectFile.has_value() != out.has_value())
        throw InputError(platform::translate("cli", "--project et -o SORTIE.trc vont ensemble"));
    const trace::VectorizeSettings settings = settingsOf(args);
    model::Project project;
    if (projectFile) chargeProjet(*projectFile, project);
    const picture::Layer layer = chargeImage(file);
    const trace::Vectorized found = trace::vectorize(layer, settings);
    if (found.result != trace::VectorizeResult::Done)
        throw InputError(trace::message(found.result));
    if (!projectFile) {
        std::string text;
        for (std::size_t l = 0; l < found.lines.size(); ++l)
            for (const trace::PixelPoint& p : found.lines[l].points)
                text += std::to_string(l + 1) + '\t' + std::to_string(p.x) + '\t' +
                        std::to_string(p.y) + '\n';
        std::cout << text;
        return 0;
    }
    trace::appendLines(project, found.lines);
    if (const std::string error = files::sauve_projet(project, *out); !error.empty())
        throw InputError(error);
    return 0;
}

const Registration registration({
    "vectorize",
    QT_TRANSLATE_NOOP("cli", "vectorise toutes les lignes d'une couleur de l'image"),
    QT_TRANSLATE_NOOP(
        "cli",
        "IMAGE --colour R,G,B [--box X0,Y0,X1,Y1] [--tolerance T] [--gap PX]\n"
        "                           [--min-length PX] [--simplify PX] [--project P.trc -o "
        "SORTIE.trc]\n\n"
        "Prend tous les pixels de la couleur (dans le cadre s'il est donné), les amincit à leur\n"
        "ligne médiane et la coupe en lignes à leurs bouts et à leurs jonctions : les lignes qui\n"
        "se rejoignent partagent le même point, une courbe fermée revient fermée. Les "
        "interruptions\n"
        "jusqu'à --gap pixels sont franchies dans la direction du trait ; les lignes plus courtes\n"
        "que --min-length sont laissées (points, lettres, hachures). Sans projet, écrit un point\n"
        "par ligne, « L<TAB>x<TAB>y », L le numéro de la ligne à partir de 1, les lignes dans\n"
        "l'ordre de leur premier point (de haut en bas, puis de gauche à droite), les points d'un\n"
        "bout à l'autre ; une ligne fermée répète son premier point à la fin. Avec --project,\n"
        "ajoute les lignes au projet, chacune sur une nouvelle ligne, avec leurs coordonnées\n"
        "réelles par le calage, et écrit le projet dans SORTIE.trc.\n\n"
        "  --colour R,G,B          la couleur des lignes\n"
        "  --box X0,Y0,X1,Y1       le cadre où chercher (défaut : toute l'image)\n"
        "  --tolerance T           l'écart de couleur admis, en ΔE CIE (défaut 30)\n"
        "  --gap PX                la plus longue interruption franchie, en pixels (défaut 6)\n"
        "  --min-length PX         la longueur des plus courtes lignes gardées (défaut 20)\n"
        "  --simplify PX           l'écart admis au trait en simplifiant (Douglas-Peucker,\n"
        "                          défaut 1)\n"
        "  --project P.trc         le projet auquel ajouter les lignes\n"
        "  -o, --output SORTIE.trc le projet écrit\n"),
    {{"colour", true},
     {"box", true},
     {"tolerance", true},
     {"gap", true},
     {"min-length", true},
     {"simplify", true},
     {"project", true},
     {"output", true, 'o'}},
    vectorizeCommand,
});

} // namespace

} // namespace tracelle::cli
