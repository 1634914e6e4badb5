// Reading and writing numbers as text, tolerant of "," and "." whatever the regional
// settings, and the field, column and blank helpers that go with them.
#pragma once

#include "model/Real.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tracelle::model {

class TextTable;

// Text in which the first "." (or else the first ",") is replaced by the decimal separator.
std::string normalise_separateur(std::string_view text);

// Tolerant reader: the longest number-like prefix; 0 when nothing can be read, with an
// "EConvertError" message when the prefix is malformed.
Real val_reel(std::string_view text);
// val_reel without its message: nothing where val_reel would tell the prefix is malformed.
std::optional<Real> readRealQuietly(std::string_view text);
// Whether val_reel reads the text without its message; quick for the texts the grids hold.
bool readsAsReal(std::string_view text);

// The conversion error's text for a real that cannot be read: "'" + text + "' n'est pas une
// valeur en virgule flottante correcte".
std::string texte_pas_un_reel(std::string_view text);
// The same for an integer: "'" + text + "' n'est pas une valeur entière correcte".
std::string notAnIntegerText(std::string_view text);

// Strict conversion in the notation of the regional settings (blanks around allowed);
// nothing when the text is not exactly one number.
std::optional<Real> texte_en_reel_strict(std::string_view text);

struct EntierLu {
    std::int32_t value = 0;
    int errorPosition = 0; // 1-based; 0 when the whole text was read
};
// The integer rule without any dialog.
EntierLu lit_entier(std::string_view text);

// Integer reader; on bad text offers to save the project to "~tmp.trc" and stop.
std::int32_t val_entier(std::string_view text);

// Saves the whole project to the given file; true on success. Installed by the windows.
using EmergencySave = std::function<bool(const std::string& path)>;
void setEmergencySave(EmergencySave save);

// Calibration values: the undefined value for "" or "-", 0 when unreadable.
Real val_r(std::string_view text);

bool est_reel(std::string_view text);
bool est_entier(std::string_view text);
void filtre_numerique(std::string& text);

// General form with `precision` significant digits and the decimal separator.
std::string texte_general(Real x, int precision = 15);
// General form with 15 digits and "." whatever the regional settings.
std::string reel_en_texte_point(Real x);
std::string _format(Real x, int n, int d);
std::string _format2(Real x, int n, int d);
// _format(v, n, 0) of an integer, without going through a real.
std::string format_entier(long long v, int n);
std::string cadre_droite(std::string_view text, int width);
// "0.000 E+00": one digit, DS, `decimals` digits, a space, E, the exponent's sign, two digits.
std::string texte_scientifique(Real x, int decimals);
// "### ### ### ### ##0.000000000": `decimals` digits after DS, the integer part in groups of
// three separated by one space, four spaces in all in front of and between the groups.
std::string texte_groupe(Real x, int decimals);
// printf's "%W.Df": `decimals` digits after DS (18 at most), spaces in front up to `width`
// characters.
std::string texte_fixe(Real x, int width, int decimals);
// The same with the integer part in groups of three separated by the regional thousands
// separator ("%W.Dn"); val_reel_utm reads it back.
std::string texte_milliers(Real x, int width, int decimals);

inline constexpr std::string_view kExtraitVide = "_extraitUTIL<>";
std::string _extrait(std::string_view line, int n, char sep);
// The next field of a line from position `i` on, as `_extrait` takes them, without a copy;
// false at the end of the line.
bool champSuivant(std::string_view line, char sep, std::size_t& i, std::string_view& field);
Real extrait_reel(std::string_view line, int n, char sep, Real defaultValue);
// A field as extrait_reel reads it ("," or "." as mark, exponent "E" or "e"); nothing when it
// is not exactly one number.
std::optional<Real> reel_de_champ(std::string_view field);

int indice_col_grille(const TextTable& grid, std::string_view header);

// A text of a file or cell quoted in a message: its first 60 characters, every control
// character shown as "?", so that a damaged or binary file still gives one short readable line.
std::string excerptForMessage(std::string_view text);

std::string enleve_blancs_gauche(std::string_view text);
std::string enleve_blancs_droite(std::string_view text);
std::string enleve_blancs(std::string_view text);
// ASCII letters only: names of files and keys compared without regard to case.
std::string majuscules(std::string_view text);
std::string minuscules(std::string_view text);
int nb_car(char c, std::string_view text);

// Variants of the coordinate converter window.
Real val_reel_utm(std::string_view text);
bool est_reel_utm(std::string_view text);
bool est_dms(std::string_view text);
std::string enleve_espaces(std::string_view text);
std::string separateurs_locaux(std::string_view text);
std::string remplace_car(std::string_view text, char from, char to);
int position_nieme(char c, std::string_view text, int n);
std::string extrait_champ(std::string_view line, int n, char sep);

} // namespace tracelle::model
