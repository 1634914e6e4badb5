// The editing rules of the points table window that need no window: which typed text a
// cell keeps, deleting a whole line, showing or hiding every line, and copying Z along a line.
// The window asks the questions, beeps and redraws; these functions only decide and write.
#pragma once

#include "model/Project.h"
#include "model/ProjectView.h"

#include <string>

namespace tracelle::model {

// Whether `text`, typed in a cell of the column headed `header`, may stay in it; otherwise
// the cell gets back the text it had when editing began.
bool texteCelluleAccepte(TableId table, const std::string& header, const std::string& text);

// The line named by a row of the lines table and its run of points in the points table.
struct LigneASupprimer {
    std::string s;   // the row's "L" text without surrounding blanks
    int premier = 0; // first points row of the line, 0 when it has none
    int dernier = 0; // last row of the unbroken run that starts at premier
    int nombre = 0;  // number of points of the line
};

LigneASupprimer ligneASupprimer(const Project& p, int linesRow);

// An empty last line goes without a question. True when that case applies (even when the
// line, being the only one, stays): the deletion is then over.
bool supprimeLigneSansQuestion(Project& p, const LigneASupprimer& l);

// Title and message of the confirmation asked before supprimeLigne.
std::string titreSuppressionLigne(const LigneASupprimer& l);
std::string messageSuppressionLigne(const Project& p, const LigneASupprimer& l);

// Deletes the confirmed line: its points, its colour and, for the last line, its row.
// The main window must be redrawn afterwards.
void supprimeLigne(Project& p, const LigneASupprimer& l);

// Shows (true) or hides every line from 1 to the current line.
void afficheLignes(Project& p, bool shown);

// Title of the confirmation asked before recopieZ.
std::string titreRecopieZ(const Project& p, int row);
// Copies the Z text of points row `row` to the following rows of the same line.
void recopieZ(Project& p, int row);

} // namespace tracelle::model
