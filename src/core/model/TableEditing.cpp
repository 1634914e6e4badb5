#include "model/TableEditing.h"

#include "model/NumberText.h"
#include "platform/Language.h"

namespace tracelle::model {

using platform::fill;
using platform::translate;

namespace {

bool litEntierEnEntier(const std::string& text) {
    return lit_entier(text).errorPosition == 0;
}

// Clears the line's own cells; its "OK" cell is left as it was.
void effaceCellulesLigne(TextTable& lines, int row) {
    for (const char* header : {"L", "épaisseur", "couleur"})
        lines.setCell(row, indice_col_grille(lines, header), "");
}

void decrementeLigneCourante(Project& p) {
    if (p.currentLine() > 0) p.setCurrentLine(p.currentLine() - 1);
}

} // namespace

bool texteCelluleAccepte(TableId table, const std::string& header, const std::string& text) {
    if (text.empty()) return true;
    if (table == TableId::Lines) return litEntierEnEntier(text);
    if (enleve_blancs(header) == "Libellé") return true;
    // A sign alone or a decimal mark is a number still being typed.
    if (text == "+" || text == "-") return true;
    if (text.find_first_of(".,") != std::string::npos) return true;
    if (litEntierEnEntier(text)) return true;
    // Any real the reader takes whole (a ten-digit coordinate, an exponent), also while its
    // exponent is still to be typed ("1E", "1E-").
    if (text.find(' ') != std::string::npos) return false;
    std::string_view number = text;
    if (number.size() >= 2 && (number.back() == '+' || number.back() == '-') &&
        number[number.size() - 2] == 'E')
        number.remove_suffix(1);
    if (!number.empty() && number.back() == 'E') number.remove_suffix(1);
    return !number.empty() && texte_en_reel_strict(number).has_value();
}

LigneASupprimer ligneASupprimer(const Project& p, int linesRow) {
    LigneASupprimer l;
    l.s = enleve_blancs(p.lines().cell(linesRow, indice_col_grille(p.lines(), "L")));

    const TextTable& points = p.points();
    const int lCol = p.indice_col("L");
    const auto deLaLigne = [&](int i) { return enleve_blancs(points.cell(i, lCol)) == l.s; };
    for (int i = 1; i < points.rowCount(); ++i) {
        if (deLaLigne(i)) {
            l.premier = i;
            break;
        }
    }
    if (l.premier == 0) return l;
    l.dernier = l.premier;
    while (l.dernier + 1 < points.rowCount() && deLaLigne(l.dernier + 1))
        ++l.dernier;
    l.nombre = l.dernier - l.premier + 1;
    return l;
}

bool supprimeLigneSansQuestion(Project& p, const LigneASupprimer& l) {
    TextTable& lines = p.lines();
    // The strict reader: a line name that is no number is simply not the last row here.
    const EntierLu ligne = lit_entier(l.s);
    if (l.nombre != 0 || ligne.errorPosition != 0 || ligne.value != lines.rowCount() - 1)
        return false;
    if (lines.rowCount() > 2) {
        effaceCellulesLigne(lines, ligne.value);
        lines.setRowCount(lines.rowCount() - 1);
        decrementeLigneCourante(p);
    }
    return true;
}

std::string titreSuppressionLigne(const LigneASupprimer& l) {
    return fill(
        translate("TableEditing", "Supprimer la ligne %1 en inverse video du tableau de lignes"),
        {l.s});
}

std::string messageSuppressionLigne(const Project& p, const LigneASupprimer& l) {
    return fill(
        translate("TableEditing", "TOTAL :%1 ligne(s) / %2 points\n\n Effacer la ligne "
                                  "sélectionnée n° %3  composée de %4 points ?"),
        {std::to_string(p.currentLine()), std::to_string(p.N()), l.s, std::to_string(l.nombre)});
}

void supprimeLigne(Project& p, const LigneASupprimer& l) {
    p.history().name(fill(translate("History", "la suppression de la ligne %1"), {l.s}));
    TextTable& points = p.points();
    TextTable& lines = p.lines();
    const std::int32_t ligne = val_entier(l.s);

    if (ligne == 1 && p.currentLine() == 1) {
        // The only line: row 1 stays as the table's blank row, only partly emptied.
        p.setN(0);
        p.setCurrentLine(1);
        for (const char* header : {"Libellé", "X", "Y"})
            points.setCell(1, p.indice_col(header), "");
        points.setRowCount(2);
        return;
    }

    if (l.nombre > 0) {
        points.removeRows(l.premier, l.nombre);
        const int nCol = p.indice_col("n");
        const TextTable::CellChanges renumbering(points);
        for (int i = l.premier; i < points.rowCount(); ++i)
            points.setCell(i, nCol, _format(i, 3, 0));
        p.setN(points.rowCount() - 1);
        // The line held every point: the table keeps its one blank row.
        if (points.rowCount() < 2) points.setRowCount(2);
    }

    // The other lines keep their numbers, so their rows stay where they are.
    if (ligne >= 1) lines.setCell(ligne, indice_col_grille(lines, "couleur"), "");

    if (ligne == p.currentLine() && p.currentLine() > 0) {
        effaceCellulesLigne(lines, ligne);
        if (lines.rowCount() > 2) lines.setRowCount(lines.rowCount() - 1);
        decrementeLigneCourante(p);
    }
}

void afficheLignes(Project& p, bool shown) {
    p.history().name(shown ? translate("History", "l'affichage des lignes")
                           : translate("History", "le masquage des lignes"));
    TextTable& lines = p.lines();
    const int okCol = indice_col_grille(lines, "OK");
    for (int k = 1; k <= p.currentLine() && k < lines.rowCount(); ++k)
        lines.setCell(k, okCol, shown ? "x" : "");
}

std::string titreRecopieZ(const Project& p, int row) {
    const std::string_view z = p.points().cell(row, p.indice_col("Z"));
    const std::string_view L = p.points().cell(row, p.indice_col("L"));
    // The catalogue holds no carriage return: the line breaks stay outside the texts.
    return '\r' + fill(translate("TableEditing", "recopier l'altitude Z = %1"), {z}) + "\r\r" +
           fill(translate("TableEditing", "sur le reste des points de la ligne n°%1"), {L});
}

void recopieZ(Project& p, int row) {
    p.history().name(translate("History", "la recopie de Z"));
    TextTable& points = p.points();
    if (row < 1 || row >= points.rowCount()) return;
    const int zCol = p.indice_col("Z");
    const int lCol = p.indice_col("L");
    const std::string z(points.cell(row, zCol));
    const std::string L(points.cell(row, lCol));
    for (int i = row; i < points.rowCount() && points.cell(i, lCol) == L; ++i)
        points.setCell(i, zCol, z);
}

} // namespace tracelle::model
