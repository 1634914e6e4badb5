// The converter's worksheet: a table of 14 text columns, found by their header text, and the
// commands that convert its rows between UTM, decimal degrees and degrees-minutes-seconds.
// The window and tracelle-cli run the same commands on it.
#pragma once

#include "model/TextTable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tracelle::files {
class SheetCells;
}

namespace tracelle::geodesy {

inline constexpr std::array<const char*, 14> kWorksheetHeaders = {
    "n°",         "Libellé",  "Est (X)",   "Nord (Y)",  "Zone",       "UTM lettre", "Hémisphère",
    "Ellipsoïde", "Latitude", "Longitude", "°latitude", "°longitude", " x / 1000",  " y / 1000"};

// A command that stopped at a row: the conversion message and the row (1-based data row).
struct Stopped {
    std::string message;
    int row = 0;
};

class Worksheet {
public:
    // The header row and 100 data rows with their numbers and the example rows.
    Worksheet();
    // The header row and `rows` empty data rows numbered 1 to `rows`.
    explicit Worksheet(int rows);

    model::TextTable& table() { return table_; }
    const model::TextTable& table() const { return table_; }

    // "UTM --> Lat,Long"; then the kilometric approximation with `ra`, `rb` (kilometres).
    std::optional<Stopped> utmVersLatLon(std::string_view ra, std::string_view rb);
    // "... --> UTM  (tous)", or "(vide)" with `onlyEmpty`: rows without easting and northing.
    std::optional<Stopped> latLonVersUtm(bool onlyEmpty, std::string_view ra, std::string_view rb);
    // "°lat °long --> Lat Long" and "Lat Long --> °lat °long".
    void dmsVersDecimal();
    void decimalVersDms();
    // "... --> x et y ".
    void km(std::string_view ra, std::string_view rb);
    // "Tout effacer": every cell of the data rows but "n°".
    void toutEffacer();
    // F5: the cell (row, column) written into the same column of every row below.
    void recopie(int row, int column);

    // The clipboard export: every row, the header included, each cell followed by a tab
    // (spaces taken out of easting and northing), lines ended by CR LF.
    std::string texteExport() const;
    // The same layout read back (the header line gives the columns; missing ones stay empty).
    // Nothing, with the reason naming the line, when the text is not a worksheet.
    static std::optional<Worksheet> lit(std::string_view text, std::string& error);

    // The text import of reviewed lines (tab, else ";"): the rows from 1 on; the row count.
    int importeTexte(std::string_view text);
    // The two workbook imports (first sheet, cells as text); the number of rows read.
    int importeClasseurUtm(const files::SheetCells& sheet);
    int importeClasseurLatLon(const files::SheetCells& sheet);

private:
    model::TextTable table_;
};

} // namespace tracelle::geodesy
