// tracelle-cli import: points from a text file or a spreadsheet added to a project.
#include "cli/Command.h"
#include "cli/HandOver.h"
#include "files/PointImport.h"
#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "files/Workbook.h"
#include "model/Project.h"

#include <iostream>

namespace tracelle::cli {

namespace {

files::ImportResult importFromWorkbook(const Arguments& args, const std::string& path,
                                       model::Project& project) {
    files::SheetColumns columns; // the import panel's initial values
    columns.label = args.integer("label-column", columns.label);
    columns.X = args.integer("x-column", columns.X);
    columns.Y = args.integer("y-column", columns.Y);
    columns.Z = args.integer("z-column", columns.Z);
    columns.firstRow = args.integer("first-row", columns.firstRow);
    if (const std::string why = files::colonnesIllisibles(columns); !why.empty())
        throw UsageError(why);
    std::string error;
    const auto workbook = openWorkbook(path, error);
    if (!workbook)
        throw InputError(platform::fill(
            platform::translate("cli", "Impossible d'ouvrir le classeur %1 : %2"), {path, error}));
    return files::ajoutePointsTableur(project, *workbook, columns, {},
                                      [&project] { project.Nouvelle_suite_de_points(); });
}

int importCommand(const Arguments& args) {
    const std::string& projectFile = args.positional(0, QT_TRANSLATE_NOOP("cli", "FICHIER.trc"));
    const std::string& points =
        args.positional(1, QT_TRANSLATE_NOOP("cli", "POINTS.txt ou POINTS.xlsx"));
    args.atMost(2);
    const auto out = args.value("output");
    if (!out) throw UsageError(platform::translate("cli", "-o SORTIE.trc est obligatoire"));
    model::Project project;
    chargeProjet(projectFile, project);
    files::ImportResult result;
    if (files::Workbook::isWorkbookFile(points)) {
        result = importFromWorkbook(args, points, project);
    } else {
        std::string error;
        const auto text = files::readTextFile(points, &error);
        if (!text) throw InputError(error);
        result = files::ajoutePointsTexte(project, *text,
                                          [&project] { project.Nouvelle_suite_de_points(); });
    }
    if (const std::string error = files::sauve_projet(project, *out); !error.empty())
        throw InputError(error);
    std::cout << files::bilanImport(result) << '\n';
    return 0;
}

const Registration registration({
    "import",
    QT_TRANSLATE_NOOP("cli",
                      "ajoute à un projet les points (X, Y, libellé) d'un texte ou d'un classeur"),
    QT_TRANSLATE_NOOP(
        "cli",
        "FICHIER.trc POINTS -o SORTIE.trc [OPTIONS]\n\n"
        "Ajoute les points de POINTS sur une nouvelle ligne, placés par le calage du projet, puis\n"
        "recalcule les coordonnées réelles de tous les points et écrit le projet dans SORTIE.trc.\n"
        "POINTS est un texte « X Y libellé » (espace ou tabulation ; lignes commençant par '\n"
        "ignorées ; lignes dont X ou Y n'est pas un nombre sautées et signalées) ou un classeur\n"
        "(*.xls, *.xlsx, *.ods, ou un texte *.csv séparé par tabulations, « ; » ou « , »), dont\n"
        "seule la première feuille est lue ; le format d'un classeur est reconnu à son contenu.\n\n"
        "  -o, --output SORTIE.trc  le projet écrit (obligatoire)\n"
        "  Pour un classeur, les colonnes (1 = A ... 26 = Z) et la ligne de début :\n"
        "  --label-column N         colonne du libellé, 0 : aucune (défaut 3)\n"
        "  --x-column N             colonne de X (défaut 1)\n"
        "  --y-column N             colonne de Y (défaut 2)\n"
        "  --z-column N             colonne de Z, 0 : aucune (défaut 12)\n"
        "  --first-row N            n° de ligne de début (défaut 5)\n"),
    {{"output", true, 'o'},
     {"label-column", true},
     {"x-column", true},
     {"y-column", true},
     {"z-column", true},
     {"first-row", true}},
    importCommand,
});

} // namespace

} // namespace tracelle::cli
