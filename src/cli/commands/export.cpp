// tracelle-cli export: the coordinates as the export panel writes them, or the lines and
// points for a GIS or CAD program.
#include "files/Export.h"

#include "cli/Command.h"
#include "cli/HandOver.h"
#include "files/Cp1252.h"
#include "model/Project.h"

#include <filesystem>
#include <sstream>

namespace tracelle::cli {

namespace {

bool onOff(const Arguments& args, const char* name, bool fallback) {
    const auto v = args.value(name);
    if (!v) return fallback;
    if (*v == "on" || *v == "oui" || *v == "yes" || *v == "1") return true;
    if (*v == "off" || *v == "non" || *v == "no" || *v == "0") return false;
    throw UsageError(platform::fill(
        platform::translate("cli", "--%1 attend on ou off (pas « %2 »)"), {name, *v}));
}

void readColumns(const std::string& list, files::ExportChoices& c) {
    c.X = c.Y = false;
    std::istringstream in(list);
    std::string name;
    while (std::getline(in, name, ',')) {
        if (name == "n")
            c.n = true;
        else if (name == "L")
            c.L = true;
        else if (name == "Libellé" || name == "label")
            c.label = true;
        else if (name == "X")
            c.X = true;
        else if (name == "Y")
            c.Y = true;
        else if (name == "Z")
            c.Z = true;
        else if (name == "x")
            c.x = true;
        else if (name == "y")
            c.y = true;
        else if (name == "z")
            c.z = true;
        else
            throw UsageError(platform::fill(
                platform::translate("cli", "--columns : colonne inconnue « %1 »"), {name}));
    }
}

files::ExportChoices choicesOf(const Arguments& args) {
    files::ExportChoices c; // the export panel's initial values
    if (const auto v = args.value("columns")) readColumns(*v, c);
    c.interDistance = args.flag("inter-distance");
    c.cumulative = args.flag("cumulative-distance");
    c.withCalibration = args.flag("calibration");
    c.shownLinesOnly = !args.flag("all-lines");
    if (const auto v = args.value("decimal-mark")) {
        if (*v != "point" && *v != "virgule")
            throw UsageError(platform::fill(
                platform::translate("cli", "--decimal-mark attend point ou virgule (pas « %1 »)"),
                {*v}));
        c.decimalComma = *v == "virgule";
    }
    if (const auto v = args.value("separator"))
        c.separator = *v == "tab" ? "\t" : *v == "comma-space" ? ", " : *v;
    c.firstLine = onOff(args, "first-line", c.firstLine);
    c.firstLineCount = onOff(args, "first-line-count", c.firstLineCount);
    c.firstLineText = args.value("first-line-text").value_or(c.firstLineText);
    c.normalized = args.flag("normalized");
    c.step = args.value("step").value_or(c.step);
    c.xMin = args.value("x-min").value_or(c.xMin);
    c.xMax = args.value("x-max").value_or(c.xMax);
    if (const auto v = args.value("method")) {
        if (*v != "nearest" && *v != "regression")
            throw UsageError(platform::fill(
                platform::translate("cli", "--method attend nearest ou regression (pas « %1 »)"),
                {*v}));
        c.regression = *v == "regression";
    }
    c.extension = args.value("extension").value_or(c.extension);
    return c;
}

int exportCommand(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "FICHIER.trc"));
    args.atMost(1);
    if (const auto format = args.value("format")) return exportForGis(args, file, *format);
    if (args.value("crs"))
        throw UsageError(platform::translate("cli", "--crs ne s'emploie qu'avec --format"));
    const files::ExportChoices choices = choicesOf(args);
    model::Project project;
    chargeProjet(file, project);
    const files::ExportResult result = files::exporte(project, choices);
    if (!result.error.empty()) throw InputError(result.error);
    std::optional<std::string> out = args.value("output");
    // The chosen extension replaces the output's own, as the save names the export file.
    if (out && args.value("extension")) {
        const std::filesystem::path p(*out);
        out = files::nomExport((p.parent_path() / p.stem()).string(), choices.extension);
    }
    if (out)
        ecritSortie(out, result.text);
    else
        ecritSortie(std::nullopt, files::utf8ToCp1252(result.text));
    return 0;
}

const Registration registration({
    "export",
    QT_TRANSLATE_NOOP("cli", "les coordonnées d'un projet, comme les écrit le panneau d'export"),
    QT_TRANSLATE_NOOP(
        "cli",
        "FICHIER.trc [-o SORTIE] [OPTIONS]\n"
        "       tracelle-cli export FICHIER.trc --format FORMAT [--crs SYSTÈME] -o SORTIE\n\n"
        "Écrit les coordonnées comme le panneau d'export (Windows-1252, fins de ligne CR LF),\n"
        "dans SORTIE ou sur la sortie standard. Par défaut, les choix initiaux du panneau.\n\n"
        "  -o, --output SORTIE          le fichier écrit (sinon la sortie standard)\n"
        "  --columns LISTE              colonnes parmi n,L,Libellé,X,Y,Z,x,y,z (défaut X,Y)\n"
        "  --inter-distance             distance entre points\n"
        "  --cumulative-distance        distance cumulée\n"
        "  --calibration                avec les points de calage\n"
        "  --all-lines                  toutes les lignes, pas seulement les lignes affichées\n"
        "  --decimal-mark point|virgule marque décimale du fichier (défaut point)\n"
        "  --separator tab|comma-space|TEXTE  séparateur (défaut tab)\n"
        "  --first-line on|off          première ligne (défaut on)\n"
        "  --first-line-count on|off    nombre de points en première ligne (défaut on)\n"
        "  --first-line-text TEXTE      texte de la première ligne (défaut 0)\n"
        "  --normalized                 rééchantillonnage à pas régulier de X\n"
        "  --step PAS --x-min X --x-max X  le pas et les bornes (défaut 0.05, 0, 1) ;\n"
        "                               10 000 000 pas au plus\n"
        "  --method nearest|regression  point le plus proche ou régression (défaut regression)\n"
        "  --extension EXT              remplace l'extension de SORTIE (txt, xls, bln...)\n\n"
        "Pour un SIG ou une CAO, les lignes et les points comme géométries :\n"
        "  --format geojson|kml|shp|dxf le format (SORTIE obligatoire ; le Shapefile écrit\n"
        "                               SORTIE pour les lignes et SORTIE_points pour les points)\n"
        "  --crs SYSTÈME                le système des X, Y : code EPSG (EPSG:2154 Lambert-93,\n"
        "                               EPSG:3942 à 3950 CC42 à CC50, EPSG:27572 Lambert II\n"
        "                               étendu, EPSG:32630 à 32632 UTM 30N à 32N, EPSG:4326\n"
        "                               WGS 84), chaîne PROJ, ou aucun (défaut ; ni GeoJSON ni "
        "KML)\n"
        "  --all-lines                  vaut aussi pour ces formats\n"),
    {{"output", true, 'o'},
     {"columns", true},
     {"inter-distance"},
     {"cumulative-distance"},
     {"calibration"},
     {"all-lines"},
     {"decimal-mark", true},
     {"separator", true},
     {"first-line", true},
     {"first-line-count", true},
     {"first-line-text", true},
     {"normalized"},
     {"step", true},
     {"x-min", true},
     {"x-max", true},
     {"method", true},
     {"extension", true},
     {"format", true},
     {"crs", true}},
    exportCommand,
});

} // namespace

} // namespace tracelle::cli
