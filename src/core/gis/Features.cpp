#include "gis/Features.h"

#include "files/ExportedRows.h"
#include "model/NumberText.h"
#include "model/Project.h"

#include <map>

namespace tracelle::gis {

namespace {

int lineCell(const model::TextTable& lines, int L, const char* header, int fallback) {
    const model::EntierLu v =
        model::lit_entier(lines.cell(L, model::indice_col_grille(lines, header)));
    return v.errorPosition == 0 ? v.value : fallback;
}

} // namespace

std::optional<Features> extrait(const model::Project& p, bool shownLinesOnly, std::string* error) {
    Features f;
    f.points.reserve(static_cast<std::size_t>(std::max(p.points().rowCount() - 1, 0)));
    const auto c = p.pointColumns();
    std::map<std::int32_t, FeatureLine> lines;
    FeatureLine* line = nullptr;
    int previousRow = -1;
    Part run{0, 0};
    const auto endRun = [&] {
        if (line && run.count >= 2) line->parts.push_back(run);
    };
    const std::string failed =
        files::forEachExportedRow(p, shownLinesOnly, [&](const files::ExportedRow& row) {
            // Rows passed over belong to hidden lines: another line came between.
            if (!line || row.L != line->L || row.row != previousRow + 1) {
                endRun();
                auto [at, added] = lines.try_emplace(row.L);
                line = &at->second;
                if (added) {
                    const auto& table = p.lines();
                    *line = {row.L,
                             lineCell(table, row.L, "épaisseur", 1),
                             static_cast<std::uint32_t>(lineCell(table, row.L, "couleur", 255)),
                             {}};
                }
                run = {f.points.size(), 0};
            }
            previousRow = row.row;
            ++run.count;
            const auto Z = model::texte_en_reel_strict(p.points().cell(row.row, c.Z));
            f.points.push_back(
                {static_cast<double>(row.X), static_cast<double>(row.Y), row.row, row.L,
                 model::enleve_blancs(p.points().cell(row.row, c.label)),
                 Z ? std::optional<double>(static_cast<double>(*Z) + 0.0) : std::nullopt});
        });
    if (!failed.empty()) {
        if (error) *error = failed;
        return std::nullopt;
    }
    endRun();
    f.lines.reserve(lines.size());
    for (auto& [L, l] : lines)
        f.lines.push_back(std::move(l));
    return f;
}

std::string couleurHtml(std::uint32_t colour) {
    static const char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int shift : {0, 8, 16}) {
        const unsigned byte = (colour >> shift) & 0xFF;
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    }
    return text;
}

} // namespace tracelle::gis
