// tracelle-cli utm: the commands of the coordinate converter on a worksheet written by its
// clipboard export ("UTMpresse_papier.txt").
#include "cli/Command.h"
#include "cli/HandOver.h"
#include "files/Cp1252.h"
#include "files/TextFile.h"
#include "files/Workbook.h"
#include "geodesy/Worksheet.h"
#include "model/NumberText.h"

#include <cstdio>
#include <iostream>

namespace tracelle::cli {

namespace {

enum class Conversion { UtmVersLatLon, Tous, Vide, DmsVersDecimal, DecimalVersDms, Km };

const struct {
    const char* name;
    Conversion conversion;
} kConversions[] = {
    {"utm-to-latlon", Conversion::UtmVersLatLon},   {"latlon-to-utm", Conversion::Tous},
    {"latlon-to-utm-empty", Conversion::Vide},      {"dms-to-decimal", Conversion::DmsVersDecimal},
    {"decimal-to-dms", Conversion::DecimalVersDms}, {"km", Conversion::Km},
};

Conversion conversionOf(const std::string& name) {
    for (const auto& c : kConversions)
        if (name == c.name) return c.conversion;
    throw UsageError(platform::fill(
        platform::translate("cli", "conversion inconnue : %1 (utm-to-latlon, latlon-to-utm, "
                                   "latlon-to-utm-empty, dms-to-decimal, decimal-to-dms ou km)"),
        {name}));
}

// A radius as the converter's boxes take it; refused here rather than read as 0.
std::string rayon(const Arguments& args, const char* name, const char* fallback) {
    const std::string text = args.value(name).value_or(fallback);
    if (!model::est_reel_utm(text) || !model::readRealQuietly(model::enleve_espaces(text)))
        throw UsageError(platform::fill(
            platform::translate("cli", "--%1 : '%2' n'est pas un nombre de kilomètres"),
            {name, text}));
    return text;
}

// Held, as a file is, to the largest text read whole: an endless input stops there.
std::string entreeStandard() {
    std::string bytes;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
        if (n > files::kMaxReadBytes - bytes.size())
            throw InputError(platform::fill(
                platform::translate("cli", "l'entrée standard est trop grande (%1 Mo au plus)"),
                {std::to_string(files::kMaxReadBytes >> 20)}));
        bytes.append(buffer, n);
    }
    if (std::ferror(stdin))
        throw InputError(platform::translate("cli", "lecture impossible sur l'entrée standard"));
    return bytes;
}

// A worksheet kept as a workbook: its first sheet laid out as the clipboard export.
std::string texteDuClasseur(const std::string& path) {
    std::string error;
    const auto book = openWorkbook(path, error);
    if (!book)
        throw InputError(platform::fill(
            platform::translate("cli", "Impossible d'ouvrir le classeur %1 : %2"), {path, error}));
    std::string text;
    for (int row = 1; row <= book->lastRow(); ++row) {
        for (int column = 1; column <= files::kSheetLastColumn; ++column) {
            for (const char c : book->cellText(column, row))
                text += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
            text += '\t';
        }
        text += "\r\n";
    }
    return text;
}

int utmCommand(const Arguments& args) {
    const Conversion conversion =
        conversionOf(args.positional(0, QT_TRANSLATE_NOOP("cli", "CONVERSION")));
    args.atMost(2);
    const std::string ra = rayon(args, "ra", "6378");
    const std::string rb = rayon(args, "rb", "6347");

    const bool fromFile = args.positional().size() > 1;
    std::string bytes;
    if (fromFile && files::Workbook::isWorkbookFile(args.positional()[1])) {
        bytes = texteDuClasseur(args.positional()[1]);
    } else if (fromFile) {
        std::string error;
        auto read = files::readBytesFile(args.positional()[1], &error);
        if (!read) throw InputError(error);
        bytes = std::move(*read);
    } else {
        bytes = entreeStandard();
    }
    // The file is named in the message, as a batch of worksheets needs it.
    const auto named = [&](const std::string& message) {
        return fromFile ? aboutFile(args.positional()[1], message) : message;
    };
    std::string error;
    std::optional<geodesy::Worksheet> sheet = geodesy::Worksheet::lit(bytes, error);
    if (!sheet) throw InputError(named(error));
    bytes = {};

    std::optional<geodesy::Stopped> stopped;
    switch (conversion) {
    case Conversion::UtmVersLatLon:
        stopped = sheet->utmVersLatLon(ra, rb);
        break;
    case Conversion::Tous:
    case Conversion::Vide:
        stopped = sheet->latLonVersUtm(conversion == Conversion::Vide, ra, rb);
        break;
    case Conversion::DmsVersDecimal:
        sheet->dmsVersDecimal();
        break;
    case Conversion::DecimalVersDms:
        sheet->decimalVersDms();
        break;
    case Conversion::Km:
        sheet->km(ra, rb);
        break;
    }
    // The header is the text's line 1: row r is its line r + 1.
    if (stopped)
        throw InputError(named(platform::fill(
            platform::translate("cli", "ligne %1 (n° %2 du tableau) : %3"),
            {std::to_string(stopped->row + 1), std::to_string(stopped->row), stopped->message})));

    const auto out = args.value("output");
    const std::string text = sheet->texteExport();
    if (out)
        ecritSortie(out, text);
    else
        ecritSortie(std::nullopt, files::utf8ToCp1252(text));
    return 0;
}

const Registration registration({
    "utm",
    QT_TRANSLATE_NOOP(
        "cli",
        "les conversions du tableau UTM (UTM, degrés décimaux, degrés-minutes-secondes, km)"),
    QT_TRANSLATE_NOOP(
        "cli",
        "CONVERSION [TABLEAU] [-o SORTIE] [--ra KM] [--rb KM]\n\n"
        "Lit TABLEAU (sinon l'entrée standard, 1024 Mo au plus), un tableau de conversion tel\n"
        "que l'écrit le bouton « Presse papier » du convertisseur (UTMpresse_papier.txt : une\n"
        "ligne d'en-têtes, puis une ligne par point, chaque case suivie d'une tabulation) ou la\n"
        "première feuille d'un classeur (*.xls, *.xlsx, *.ods, *.csv) rangée de même, y fait la\n"
        "conversion demandée comme le bouton du même nom, et écrit le tableau obtenu sous la même\n"
        "forme (Windows-1252, fins de ligne CR LF) dans SORTIE ou sur la sortie standard.\n"
        "CONVERSION est l'une de :\n"
        "  utm-to-latlon        « UTM --> Lat,Long »\n"
        "  latlon-to-utm        « °lat,°long --> UTM  (tous) »\n"
        "  latlon-to-utm-empty  « °lat,°long --> UTM (vide) » : seulement les lignes sans Est ni "
        "Nord\n"
        "  dms-to-decimal       « °lat °long --> Lat Long »\n"
        "  decimal-to-dms       « Lat Long --> °lat °long »\n"
        "  km                   « °lat,°long --> x et y »\n"
        "Une zone qui n'est pas un nombre entier arrête la conversion : rien n'est écrit.\n\n"
        "  -o, --output SORTIE  le tableau écrit (sinon la sortie standard)\n"
        "  --ra KM              rayon Ra de l'approximation en km (défaut 6378)\n"
        "  --rb KM              rayon Rb de l'approximation en km (défaut 6347)\n"),
    {{"output", true, 'o'}, {"ra", true}, {"rb", true}},
    utmCommand,
});

} // namespace

} // namespace tracelle::cli
