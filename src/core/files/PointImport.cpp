#include "files/PointImport.h"

#include "files/SheetCells.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tracelle::files {

namespace {

// Each line has its own separator, so that a tab-separated line does not turn the lines
// after it into single fields.
char separatorOf(std::string_view line) {
    return line.find('\t') != std::string_view::npos ? '\t' : ' ';
}

// Lines named in the closing message; the count tells of the others.
constexpr std::size_t kLinesNamed = 10;

// A line or row whose X or Y does not read: counted, and among the first named.
void passOver(ImportResult& result, int number) {
    if (result.firstPassedOver.size() < kLinesNamed) result.firstPassedOver.push_back(number);
    ++result.passedOver;
}

// Spaces and tabs alone make an empty line, skipped without a word.
bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The calibration cells are read without an exponent (val_r): a value written with one would
// be misread, so it is refused with the other unreadable ones.
bool isCalibrationNumber(std::string_view field) {
    return model::reel_de_champ(field) && field.find_first_of("eE") == std::string_view::npos;
}

// Calls `each` with every line of the text, without its line end.
template <typename Each> void forEachLine(std::string_view text, Each&& each) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!each(line)) return;
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

std::int32_t pixelFor(model::Real v) {
    return static_cast<std::int32_t>(
        model::entierProche(std::clamp<model::Real>(v, INT32_MIN, INT32_MAX)));
}

// Appends imported points to the current line.
class PointAppender {
public:
    PointAppender(model::Project& project, const std::function<void()>& beforeFirstPoint)
        : project_(project), columns_(project.pointColumns()), first_(project.N() + 1),
          beforeFirstPoint_(beforeFirstPoint) {}

    void add(const std::string& label, model::Real Z, model::Real X, model::Real Y) {
        if (!bulk_) {
            if (beforeFirstPoint_) beforeFirstPoint_();
            bulk_.emplace(project_.points());
        }
        std::int32_t x = 0, y = 0;
        if (project_.repere_image(X, Y, x, y)) {
            // The real values of the pixel, as the recomputation that ends an import makes
            // them: the points added need not be recomputed again.
            project_.repere_carte(x, y, X, Y);
        } else {
            // Without a usable calibration (fewer than three points, or points in a line) the
            // real values, rounded, stand for the pixels: the point is kept, and its real
            // values stay as read until a calibration exists.
            x = pixelFor(X);
            y = pixelFor(Y);
        }
        const int n = project_.N() + 1;
        project_.writePoint(columns_, n, project_.currentLine(), label, Z, X, Y, x, y);
        project_.setN(n);
        ++added_;
    }
    int added() const { return added_; }
    // Ends the import: the real values of every point made again from its pixel.
    int finish() {
        if (!bulk_) return 0;
        bulk_.reset();
        project_.calcul_nouveaux_calage(first_, project_.N());
        return added_;
    }

private:
    model::Project& project_;
    const model::Project::PointColumns columns_;
    const int first_;
    const std::function<void()>& beforeFirstPoint_;
    std::optional<model::TextTable::Bulk> bulk_; // open from the first point on
    int added_ = 0;
};

} // namespace

std::string bilanImport(const ImportResult& r) {
    std::string text =
        platform::fill(platform::translate("PointImport", "nombre de points rajoutés : %1"),
                       {std::to_string(r.added)});
    if (r.passedOver == 0) return text;
    text += '\n';
    text += platform::fill(
        r.passedOver == 1
            ? platform::translate("PointImport", "%1 ligne ignorée (X ou Y illisible) : ")
            : platform::translate("PointImport", "%1 lignes ignorées (X ou Y illisible) : "),
        {std::to_string(r.passedOver)});
    for (std::size_t i = 0; i < r.firstPassedOver.size(); ++i) {
        if (i > 0) text += ", ";
        text += std::to_string(r.firstPassedOver[i]);
    }
    if (static_cast<std::size_t>(r.passedOver) > r.firstPassedOver.size()) text += ", ...";
    return text;
}

ImportResult ajoutePointsTexte(model::Project& project, const std::string& text,
                               const std::function<void()>& beforeFirstPoint) {
    PointAppender points(project, beforeFirstPoint);
    const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
    project.points().reserveRows(project.N() + 1 +
                                 static_cast<int>(std::min<long>(lines, 1 << 24)));
    ImportResult result;
    int number = 0;
    forEachLine(text, [&](std::string_view line) {
        ++number;
        if (isBlank(line) || line[0] == '\'') return true;
        // The three fields taken in one pass along the line, without copies.
        const char sep = separatorOf(line);
        std::size_t at = 0;
        std::string_view fields[3];
        for (std::string_view& field : fields)
            model::champSuivant(line, sep, at, field);
        const auto X = model::reel_de_champ(fields[0]);
        const auto Y = model::reel_de_champ(fields[1]);
        if (!X || !Y) {
            // A point at 0 would look like data: the line is named to the user instead.
            passOver(result, number);
            return true;
        }
        points.add(std::string(fields[2]), model::kUndefinedReal, *X, *Y);
        return true;
    });
    result.added = points.finish();
    return result;
}

std::string colonnesIllisibles(const SheetColumns& c) {
    // Only A to Z can be addressed; a label or altitude column of 0 means none.
    const auto outside = [](int column, int from) {
        return column < from || column > kSheetLastColumn;
    };
    if (outside(c.X, 1) || outside(c.Y, 1))
        return platform::translate(
            "PointImport", "Les colonnes X et Y doivent être comprises entre 1 (A) et 26 (Z)");
    if (c.label > kSheetLastColumn || c.Z > kSheetLastColumn)
        return platform::translate(
            "PointImport",
            "Les colonnes Libellé et Z ne peuvent dépasser 26 (Z) ; 0 : pas de colonne");
    if (c.firstRow < 1)
        return platform::translate("PointImport", "Le n° de ligne de début doit être au moins 1");
    return {};
}

ImportResult ajoutePointsTableur(model::Project& project, const SheetCells& cells,
                                 const SheetColumns& c, const std::function<void(int)>& progress,
                                 const std::function<void()>& beforeFirstPoint) {
    PointAppender points(project, beforeFirstPoint);
    ImportResult result;
    for (int r = c.firstRow;; ++r) {
        const std::string s = cells.cellText(c.X, r);
        if (s.empty()) break;
        const std::string y = cells.cellText(c.Y, r);
        if (!model::est_reel(s) || !model::est_reel(y)) {
            // Headings and texts between the data rows are named to the user, as in a text.
            passOver(result, r);
            continue;
        }
        model::Real Z = model::kUndefinedReal;
        if (c.Z > 0) {
            const std::string z = cells.cellText(c.Z, r);
            if (model::est_reel(z)) Z = model::val_reel(z);
        }
        points.add(c.label > 0 ? cells.cellText(c.label, r) : std::string(), Z, model::val_reel(s),
                   model::val_reel(y));
        if (progress) progress(points.added());
    }
    result.added = points.finish();
    return result;
}

std::string colleValeursCalage(model::Project& project, const std::string& text) {
    const char* headers[3] = {"X", "Y", "Z"};
    std::vector<std::array<std::string, 3>> rows; // cell texts; an empty one leaves its cell
    std::string unreadable;
    int number = 0;
    int lines = 0;
    forEachLine(text, [&](std::string_view line) {
        ++number;
        if (isBlank(line)) return true;
        // Three rows exactly: a longer text (a coordinate export, a table) is no calibration.
        if (++lines > 3) return true;
        const char sep = separatorOf(line);
        auto& row = rows.emplace_back();
        for (int f = 0; f < 3; ++f) {
            const std::string field = model::_extrait(line, f + 1, sep);
            // Z may be absent, or "-": no altitude.
            if (f == 2 && (field.empty() || field == "-")) {
                row[f] = field;
            } else if (isCalibrationNumber(field)) {
                row[f] = model::normalise_separateur(field);
            } else {
                unreadable =
                    platform::fill(platform::translate("PointImport", "\nLigne %1 : %2 illisible"),
                                   {std::to_string(number), headers[f]});
                return false;
            }
        }
        return true;
    });
    if (unreadable.empty() && lines != 3) {
        unreadable = platform::fill(
            lines > 1 ? platform::translate("PointImport", "\n%1 lignes au lieu de trois")
                      : platform::translate("PointImport", "\n%1 ligne au lieu de trois"),
            {std::to_string(lines)});
    }
    if (!unreadable.empty())
        return platform::translate("PointImport",
                                   "Le presse-papier ne contient pas trois lignes de calibration "
                                   "lisibles (X Y [Z] par ligne) : rien n'est modifié.") +
               unreadable;
    project.completeCalibrationRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int f = 0; f < 3; ++f) {
            if (!rows[i][f].empty())
                project.calibration().setCell(static_cast<int>(i) + 1,
                                              project.indice_col_cal(headers[f]), rows[i][f]);
        }
    }
    project.calcul_nouveaux_calage();
    return {};
}

} // namespace tracelle::files
