#include "geodesy/Worksheet.h"

#include "files/Cp1252.h"
#include "files/SheetCells.h"
#include "geodesy/UTMLaLo.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace tracelle::geodesy {

using model::Real;
using model::TextTable;

namespace {

// The fixed places of the columns, where the workbook imports write.
enum Column : int {
    kNumero,
    kLibelle,
    kEst,
    kNord,
    kZone,
    kLettre,
    kHemisphere,
    kEllipsoide,
    kLatitude,
    kLongitude,
    kDmsLatitude,
    kDmsLongitude,
    kX,
    kY,
    kColumns
};
static_assert(kColumns == kWorksheetHeaders.size());

constexpr std::string_view kDegree = "\xC2\xB0";
constexpr int kWorkbookRows = 1000;

// The columns the commands work on, found by their header text once a command.
struct Columns {
    int est, nord, zone, lettre, hemisphere, ellipsoide, latitude, longitude, dmsLatitude,
        dmsLongitude, x, y;

    explicit Columns(const TextTable& t)
        : est(find(t, kEst)), nord(find(t, kNord)), zone(find(t, kZone)), lettre(find(t, kLettre)),
          hemisphere(find(t, kHemisphere)), ellipsoide(find(t, kEllipsoide)),
          latitude(find(t, kLatitude)), longitude(find(t, kLongitude)),
          dmsLatitude(find(t, kDmsLatitude)), dmsLongitude(find(t, kDmsLongitude)), x(find(t, kX)),
          y(find(t, kY)) {}

    static int find(const TextTable& t, Column c) {
        return model::indice_col_grille(t, kWorksheetHeaders[static_cast<std::size_t>(c)]);
    }
};

std::vector<std::string> headers() {
    return {kWorksheetHeaders.begin(), kWorksheetHeaders.end()};
}

// Without the copy enleve_blancs makes: whether only spaces are left.
bool blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// "%Wd".
std::string entier(long long value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

// First character after enleve_blancs, in upper case; '-' for an empty cell.
char lettreHemisphere(std::string_view cell) {
    const auto first = cell.find_first_not_of(' ');
    if (first == std::string_view::npos) return '-';
    const char c = cell[first];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string degres(Real value) {
    return model::texte_fixe(value, 8, 10);
}

// The first `what` of the text taken out; whether there was one.
bool retirePremier(std::string& text, char what) {
    const auto at = text.find(what);
    if (at == std::string::npos) return false;
    text.erase(at, 1);
    return true;
}

// A header read back: spaces do not count, so that a header whose spaces an editor or the
// export took out is still known.
int colonneDeTitre(std::string_view title) {
    const std::string wanted = model::enleve_espaces(title);
    for (std::size_t k = 0; k < kWorksheetHeaders.size(); ++k)
        if (model::enleve_espaces(kWorksheetHeaders[k]) == wanted) return static_cast<int>(k);
    return -1;
}

// The next line of `text` from `at` on, without its CR LF or LF; false at the end.
bool ligneSuivante(std::string_view text, std::size_t& at, std::string_view& line) {
    if (at >= text.size()) return false;
    auto end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = end < text.size() ? end + 1 : end;
    return true;
}

} // namespace

Worksheet::Worksheet(int rows) : table_(headers()) {
    rows = std::max(rows, 0);
    table_.setRowCount(rows + 1);
    for (int row = 1; row <= rows; ++row)
        table_.setCell(row, kNumero, std::to_string(row));
}

Worksheet::Worksheet() : Worksheet(100) {
    auto set = [this](int row, Column c, std::string text) {
        table_.setCell(row, c, std::move(text));
    };
    for (const int row : {1, 2, 7}) {
        set(row, kEst, "406 864");
        set(row, kNord, "5 383 757");
        set(row, kZone, "32");
        set(row, kHemisphere, "N");
        set(row, kEllipsoide, "WGS 84");
    }
    for (const int row : {3, 9}) {
        set(row, kDmsLatitude, "48° 35' 59,8555\"");
        set(row, kDmsLongitude, "7° 44' 12,2052\"");
    }
    set(4, kDmsLatitude, "48° 36' 12,637\"");
    set(4, kDmsLongitude, "7°");
    set(5, kLatitude, "48,5999598581");
    set(5, kLongitude, "7,73672367");
    set(6, kDmsLatitude, "48° 36' 0,0\"");
    set(6, kDmsLongitude, "7° 44' 14,0\"");
    set(8, kDmsLatitude, "-4° 36' 0,0\"");
    set(8, kDmsLongitude, "15° 44' 14,0\"");
    set(10, kDmsLatitude, "48° 35' 59,9555\"");
    set(10, kDmsLongitude, "7° 44' 12,2052\"");
    for (const auto& [row, est] : {std::pair{13, "611 280.65"}, {14, "611 000.65"}}) {
        set(row, kEst, est);
        set(row, kNord, "0.00");
        set(row, kZone, "31");
        set(row, kHemisphere, "N");
        set(row, kEllipsoide, "WGS 84");
    }
    for (int row = 16; row <= 31; ++row) {
        set(row, kDmsLatitude, "0");
        set(row, kDmsLongitude, std::to_string(row - 16));
    }
}

namespace {

// A cell a command writes. Rows are computed on all cores while this thread writes the cells
// of those already computed, in row order. A row whose computation would tell the user
// something (a number that val_reel_utm reads with a message, a zone that stops the command)
// is marked kEnOrdre instead and done again, talking, when its turn to be written comes: the
// messages and the stop come in the order of the rows, as on one core.
struct Ecriture {
    int row;
    int column;
    std::string text;
};
constexpr int kEnOrdre = -1;
using Ecritures = std::vector<Ecriture>;

// Rows computed together: enough to be worth the handing over, few enough to keep the writing
// close behind the computing.
constexpr int kRowsPerRun = 512;

// Helpers that compute runs until none is left or the command is stopped, joined on the way
// out, whatever way that is.
class Aides {
public:
    Aides(std::atomic<int>& next, int runs) : next_(next), runs_(runs) {}
    ~Aides() {
        next_.store(runs_);
        for (auto& t : threads_)
            t.join();
    }
    Aides(const Aides&) = delete;
    Aides& operator=(const Aides&) = delete;

    template <typename Work> void start(int count, const Work& work) {
        for (int k = 0; k < count; ++k) {
            try {
                threads_.emplace_back(work);
            } catch (const std::system_error&) {
                return; // no more threads to be had: fewer helpers
            }
        }
    }

private:
    std::atomic<int>& next_;
    int runs_;
    std::vector<std::thread> threads_;
};

// calcule(read, row, out) for every data row, reading that row of `read` and nothing else;
// the cells written in row order, a marked row done by enOrdre(row, out), which may stop the
// command there.
template <typename Calcul, typename EnOrdre>
std::optional<Stopped> traiteLignes(TextTable& t, const Calcul& calcule, const EnOrdre& enOrdre) {
    // The helpers read a copy: a write moves the table's text under whoever reads it.
    const TextTable read(t);
    const int rows = t.rowCount();
    const int runs = (rows - 1 + kRowsPerRun - 1) / kRowsPerRun;
    std::vector<Ecritures> computed(static_cast<std::size_t>(runs));
    const std::unique_ptr<std::atomic<bool>[]> done(new std::atomic<bool>[runs]());
    std::atomic<int> next{0};
    const auto compute = [&](int k) {
        Ecritures& out = computed[static_cast<std::size_t>(k)];
        const int first = 1 + k * kRowsPerRun;
        const int last = std::min(rows, first + kRowsPerRun);
        out.reserve(static_cast<std::size_t>(last - first) * 7);
        for (int row = first; row < last; ++row)
            calcule(read, row, out);
        done[k].store(true, std::memory_order_release);
        done[k].notify_one();
    };

    Aides aides(next, runs);
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    aides.start(std::clamp(std::min(cores, runs) - 1, 0, 15), [&] {
        for (int k; (k = next.fetch_add(1)) < runs;)
            compute(k);
    });
    TextTable::CellChanges changes(t);
    for (int k = 0; k < runs; ++k) {
        // This thread computes too, when the run to write is not ready.
        while (!done[k].load(std::memory_order_acquire)) {
            if (const int j = next.fetch_add(1); j < runs)
                compute(j);
            else
                done[k].wait(false, std::memory_order_acquire);
        }
        for (Ecriture& w : computed[static_cast<std::size_t>(k)]) {
            if (w.column != kEnOrdre) {
                t.setCell(w.row, w.column, std::move(w.text));
                continue;
            }
            Ecritures row;
            if (auto stop = enOrdre(w.row, row)) return stop;
            for (Ecriture& r : row)
                t.setCell(r.row, r.column, std::move(r.text));
        }
        // Freed as soon as written: the next runs reuse the memory.
        Ecritures().swap(computed[static_cast<std::size_t>(k)]);
    }
    return std::nullopt;
}

// val_reel_utm; without `parle`, nothing where it would tell that the text is malformed.
std::optional<Real> reelUtm(std::string_view text, bool parle) {
    if (parle) return model::val_reel_utm(text);
    return model::readRealQuietly(model::enleve_espaces(text));
}

struct Rayons {
    Real a, b;
};

// The radii of the approximation as km() reads them, the messages aside.
Rayons rayonsSansMessage(std::string_view ra, std::string_view rb) {
    return {reelUtm(ra, false).value_or(0), reelUtm(rb, false).value_or(0)};
}

// "Lat Long --> °lat °long" on one row whose decimal texts are `latitude` and `longitude`,
// then with radii "--> x et y".
void ligneKm(const TextTable& t, const Columns& c, int row, std::string_view latitude,
             std::string_view longitude, const Rayons* radii, Ecritures& out) {
    const std::string_view decimal[2] = {latitude, longitude};
    const int to[2] = {c.dmsLatitude, c.dmsLongitude};
    std::string made[2];
    std::string_view dms[2];
    for (int k = 0; k < 2; ++k) {
        if (blank(decimal[k])) {
            dms[k] = t.cell(row, to[k]);
        } else {
            made[k] = deg_vers_texte_dms(decimal[k]);
            dms[k] = made[k];
        }
    }
    if (radii && model::est_dms(dms[0]) && model::est_dms(dms[1])) {
        // Apostrophes and double quotes are degree signs to texte_dms_vers_deg already.
        const Km k =
            approx_km(texte_dms_vers_deg(dms[0]), texte_dms_vers_deg(dms[1]), radii->a, radii->b);
        out.push_back({row, c.x, model::texte_milliers(k.x, 5, 0)});
        out.push_back({row, c.y, model::texte_milliers(k.y, 5, 0)});
    }
    for (int k = 0; k < 2; ++k)
        if (!blank(decimal[k])) out.push_back({row, to[k], std::move(made[k])});
}

// indice_ellipsoide, the last name remembered: the rows of a worksheet name few ellipsoids.
std::optional<TMapDatum> ellipsoide(std::string_view name) {
    thread_local std::optional<std::string> last;
    thread_local std::optional<TMapDatum> datum;
    if (!last || *last != name) {
        datum = indice_ellipsoide(name);
        last = std::string(name);
    }
    return datum;
}

// "UTM --> Lat,Long" on one row, then with radii its kilometres. Without `parle` it never
// talks nor stops: the row is marked.
std::optional<Stopped> ligneUtm(const TextTable& t, const Columns& c, int row, bool parle,
                                const Rayons* radii, Ecritures& out) {
    const auto skipped = [&] {
        if (radii)
            ligneKm(t, c, row, t.cell(row, c.latitude), t.cell(row, c.longitude), radii, out);
        return std::nullopt;
    };
    // Both readers take the spaces out first: once is enough.
    const std::string est = model::enleve_espaces(t.cell(row, c.est));
    const std::string nord = model::enleve_espaces(t.cell(row, c.nord));
    const std::string_view zone = t.cell(row, c.zone);
    if (!model::est_reel_utm(est) || !model::est_reel_utm(nord) || !model::est_reel_utm(zone))
        return skipped();
    const char hemisphere = lettreHemisphere(t.cell(row, c.hemisphere));
    if (hemisphere != 'N' && hemisphere != 'S') return skipped();
    // An empty name is no ellipsoid's.
    const auto datum = ellipsoide(t.cell(row, c.ellipsoide));
    if (!datum) return skipped();
    const auto easting = reelUtm(est, parle);
    const auto northing = reelUtm(nord, parle);
    const model::EntierLu z = model::lit_entier(zone);
    if (!parle && (!easting || !northing || z.errorPosition != 0)) {
        out.push_back({row, kEnOrdre, {}});
        return std::nullopt;
    }
    if (z.errorPosition != 0) return Stopped{model::notAnIntegerText(zone), row};
    // Any letter of the hemisphere will do: only north or south of "N" counts.
    const LatLon ll =
        UTM_vers_LatLon(*datum, z.value, hemisphere == 'S' ? 'M' : 'N', *easting, *northing);
    std::string latitude = degres(ll.latitude);
    std::string longitude = degres(ll.longitude);
    if (radii) ligneKm(t, c, row, latitude, longitude, radii, out);
    out.push_back({row, c.latitude, std::move(latitude)});
    out.push_back({row, c.longitude, std::move(longitude)});
    out.push_back({row, c.lettre, std::string(1, LetterDesignator(ll.latitude))});
    return std::nullopt;
}

// Whether a row's zone passes est_reel_utm without being a whole number: only then can
// "UTM --> Lat,Long" stop.
bool zoneQuiArrete(const TextTable& t, const Columns& c) {
    for (int row = 1; row < t.rowCount(); ++row) {
        const std::string_view zone = t.cell(row, c.zone);
        if (model::lit_entier(zone).errorPosition != 0 && model::est_reel_utm(zone)) return true;
    }
    return false;
}

// "°lat °long --> Lat Long" on one row: the decimal texts the row then holds.
void ligneDmsVersDecimal(const TextTable& t, const Columns& c, int row, std::string& latitude,
                         std::string& longitude) {
    latitude = t.cell(row, c.latitude);
    longitude = t.cell(row, c.longitude);
    const std::pair<int, std::string*> angles[] = {{c.dmsLatitude, &latitude},
                                                   {c.dmsLongitude, &longitude}};
    for (const auto& [from, text] : angles) {
        const std::string_view dms = t.cell(row, from);
        if (!blank(dms)) *text = degres(texte_dms_vers_deg(dms));
    }
}

// "°lat,°long --> UTM" on one row, after "°lat °long --> Lat Long" on it.
void ligneLatLon(const TextTable& t, const Columns& c, int row, bool onlyEmpty, bool parle,
                 const Rayons& radii, Ecritures& out) {
    std::string latitude, longitude;
    ligneDmsVersDecimal(t, c, row, latitude, longitude);
    const std::string_view dmsLatitude = t.cell(row, c.dmsLatitude);
    const std::string_view dmsLongitude = t.cell(row, c.dmsLongitude);
    const bool converted =
        !(blank(dmsLatitude) && blank(dmsLongitude)) &&
        !(onlyEmpty && !(blank(t.cell(row, c.est)) && blank(t.cell(row, c.nord))));
    if (!converted) {
        ligneKm(t, c, row, latitude, longitude, &radii, out);
        if (!blank(dmsLatitude)) out.push_back({row, c.latitude, std::move(latitude)});
        if (!blank(dmsLongitude)) out.push_back({row, c.longitude, std::move(longitude)});
        return;
    }
    const std::pair<std::string_view, std::string&> angles[] = {{dmsLatitude, latitude},
                                                                {dmsLongitude, longitude}};
    for (const auto& [text, decimal] : angles) {
        if (!model::est_dms(text)) continue;
        // A bare number counts as degrees.
        std::string dms = model::enleve_blancs(text);
        if (dms.find(kDegree) == std::string::npos) dms += kDegree;
        decimal = degres(texte_dms_vers_deg(dms));
    }
    const auto phi = reelUtm(latitude, parle);
    const auto lambda = reelUtm(longitude, parle);
    if (!phi || !lambda) { // only when quiet: val_reel_utm always gives a value
        out.push_back({row, kEnOrdre, {}});
        return;
    }
    ligneKm(t, c, row, latitude, longitude, &radii, out);
    out.push_back({row, c.latitude, std::move(latitude)});
    out.push_back({row, c.longitude, std::move(longitude)});
    auto datum = ellipsoide(t.cell(row, c.ellipsoide));
    if (!datum) {
        out.push_back({row, c.ellipsoide, ellipsoides()[kWGS84].Name});
        datum = kWGS84;
    }
    const UTM u = LatLon_vers_UTM(*datum, *phi, *lambda);
    out.push_back({row, c.est, model::texte_milliers(u.easting, 8, 2)});
    out.push_back({row, c.nord, model::texte_milliers(u.northing, 8, 2)});
    out.push_back({row, c.zone, entier(u.zone, 3)});
    out.push_back({row, c.lettre, std::string(1, u.letter)});
    out.push_back({row, c.hemisphere, std::string(*phi < 0 ? "S" : "N")});
}

// The commands that never talk: every row is written as computed.
constexpr auto kJamaisEnOrdre = [](int, Ecritures&) { return std::optional<Stopped>(); };

} // namespace

std::optional<Stopped> Worksheet::utmVersLatLon(std::string_view ra, std::string_view rb) {
    const Columns c(table_);
    if (zoneQuiArrete(table_, c)) {
        const auto stop = traiteLignes(
            table_,
            [&](const TextTable& t, int row, Ecritures& out) {
                ligneUtm(t, c, row, false, nullptr, out);
            },
            [&](int row, Ecritures& out) { return ligneUtm(table_, c, row, true, nullptr, out); });
        if (stop) return stop;
        km(ra, rb);
        return std::nullopt;
    }
    // Nothing can stop it: each row's kilometres are computed with the row, from its new texts.
    const Rayons radii = rayonsSansMessage(ra, rb);
    traiteLignes(
        table_,
        [&](const TextTable& t, int row, Ecritures& out) {
            ligneUtm(t, c, row, false, &radii, out);
        },
        [&](int row, Ecritures& out) { return ligneUtm(table_, c, row, true, &radii, out); });
    // What km() tells of its radii, in its turn after the rows.
    model::val_reel_utm(ra);
    model::val_reel_utm(rb);
    return std::nullopt;
}

std::optional<Stopped> Worksheet::latLonVersUtm(bool onlyEmpty, std::string_view ra,
                                                std::string_view rb) {
    const Columns c(table_);
    // Each row's kilometres are computed with the row, from its new texts.
    const Rayons radii = rayonsSansMessage(ra, rb);
    traiteLignes(
        table_,
        [&](const TextTable& t, int row, Ecritures& out) {
            ligneLatLon(t, c, row, onlyEmpty, false, radii, out);
        },
        [&](int row, Ecritures& out) {
            ligneLatLon(table_, c, row, onlyEmpty, true, radii, out);
            return std::optional<Stopped>();
        });
    model::val_reel_utm(ra);
    model::val_reel_utm(rb);
    // Nothing here stops the command; the result has the form of the other conversions'.
    return std::nullopt;
}

void Worksheet::dmsVersDecimal() {
    const Columns c(table_);
    traiteLignes(
        table_,
        [&](const TextTable& t, int row, Ecritures& out) {
            std::string latitude, longitude;
            ligneDmsVersDecimal(t, c, row, latitude, longitude);
            if (!blank(t.cell(row, c.dmsLatitude)))
                out.push_back({row, c.latitude, std::move(latitude)});
            if (!blank(t.cell(row, c.dmsLongitude)))
                out.push_back({row, c.longitude, std::move(longitude)});
        },
        kJamaisEnOrdre);
}

void Worksheet::decimalVersDms() {
    const Columns c(table_);
    traiteLignes(
        table_,
        [&](const TextTable& t, int row, Ecritures& out) {
            ligneKm(t, c, row, t.cell(row, c.latitude), t.cell(row, c.longitude), nullptr, out);
        },
        kJamaisEnOrdre);
}

void Worksheet::km(std::string_view ra, std::string_view rb) {
    const Rayons radii{model::val_reel_utm(ra), model::val_reel_utm(rb)};
    const Columns c(table_);
    traiteLignes(
        table_,
        [&](const TextTable& t, int row, Ecritures& out) {
            ligneKm(t, c, row, t.cell(row, c.latitude), t.cell(row, c.longitude), &radii, out);
        },
        kJamaisEnOrdre);
}

void Worksheet::toutEffacer() {
    TextTable::CellChanges changes(table_);
    for (int row = 1; row < table_.rowCount(); ++row)
        for (int column = 1; column < table_.columnCount(); ++column)
            table_.setCell(row, column, {});
}

void Worksheet::recopie(int row, int column) {
    if (row < 1) return; // the headers stay
    const std::string text(table_.cell(row, column));
    TextTable::CellChanges changes(table_);
    for (int below = row + 1; below < table_.rowCount(); ++below)
        table_.setCell(below, column, text);
}

std::string Worksheet::texteExport() const {
    const Columns c(table_);
    std::string out;
    out.reserve(static_cast<std::size_t>(table_.rowCount()) *
                static_cast<std::size_t>(table_.columnCount() * 8 + 2));
    for (int row = 0; row < table_.rowCount(); ++row) {
        for (int column = 0; column < table_.columnCount(); ++column) {
            const std::string_view cell = table_.cell(row, column);
            // The headers stay readable: only the numbers lose their spaces.
            if (row > 0 && (column == c.est || column == c.nord))
                out += model::enleve_espaces(cell);
            else
                out += cell;
            out += '\t';
        }
        out += "\r\n";
    }
    return out;
}

std::optional<Worksheet> Worksheet::lit(std::string_view text, std::string& error) {
    std::string utf8 = files::fileTextToUtf8(text);
    const std::string_view all = utf8;
    std::size_t at = 0;
    std::string_view line;
    std::vector<int> places; // the worksheet column of each field of a line; −1: none
    bool known = false;
    if (ligneSuivante(all, at, line)) {
        for (std::size_t from = 0; from <= line.size();) {
            auto tab = line.find('\t', from);
            if (tab == std::string_view::npos) tab = line.size();
            places.push_back(colonneDeTitre(line.substr(from, tab - from)));
            known = known || places.back() >= 0;
            from = tab + 1;
        }
    }
    if (!known) {
        error = platform::fill(platform::translate("Worksheet",
                                                   "ligne 1 : « %1 » n'est pas l'en-tête d'un "
                                                   "tableau de conversion (n°, Libellé, Est (X), "
                                                   "Nord (Y), Zone...)"),
                               {model::excerptForMessage(line)});
        return std::nullopt;
    }

    // Blank lines at the end are no rows; those in between are empty rows.
    std::size_t end = all.size();
    while (end > at && (all[end - 1] == '\n' || all[end - 1] == '\r'))
        --end;
    const std::string_view body = all.substr(0, end);

    // The cells point into the text, which the table then takes: no string is made for each
    // of them. (A text read is at most 1 GB, 3 GB as UTF-8: 32-bit places reach it.)
    model::TextRows rows;
    auto& cells = rows.cells;
    cells.resize(kColumns); // the first row stands for the headers
    cells.reserve(static_cast<std::size_t>(
                      std::count(body.begin() + static_cast<long>(at), body.end(), '\n') + 2) *
                  kColumns);
    while (ligneSuivante(body, at, line)) {
        const std::size_t first = cells.size();
        cells.resize(first + kColumns);
        std::size_t field = 0;
        for (std::size_t from = 0; from < line.size() && field < places.size(); ++field) {
            auto tab = line.find('\t', from);
            if (tab == std::string_view::npos) tab = line.size();
            if (places[field] >= 0)
                cells[first + static_cast<std::size_t>(places[field])] = {
                    static_cast<std::uint32_t>(line.data() + from - body.data()),
                    static_cast<std::uint32_t>(tab - from)};
            from = tab + 1;
        }
    }
    rows.text = std::move(utf8);
    Worksheet sheet(0);
    sheet.table_.replaceRows(std::move(rows), kColumns);
    return sheet;
}

int Worksheet::importeTexte(std::string_view text) {
    TextTable::Bulk bulk(table_);
    int read = 0;
    std::size_t at = 0;
    std::string_view line;
    while (ligneSuivante(text, at, line)) {
        if (blank(line)) continue;
        const char sep = line.find('\t') != std::string_view::npos ? '\t' : ';';
        std::vector<std::string> cells(kColumns);
        ++read;
        cells[kNumero] = entier(read, 3);
        cells[kLibelle] = model::extrait_champ(line, 1, sep);
        cells[kNord] = model::extrait_champ(line, 4, sep);
        cells[kEst] = model::extrait_champ(line, 5, sep);
        cells[kZone] = std::string("37");
        cells[kHemisphere] = std::string("N");
        cells[kEllipsoide] = std::string("WGS 84");
        table_.setRow(read, std::move(cells));
    }
    table_.setRowCount(read + 1);
    return read;
}

namespace {

// The data rows emptied, one left.
void videPourClasseur(TextTable& table) {
    table.setRowCount(2);
    table.setRow(1, {});
}

// A coordinate of the UTM workbook: in the regional notation, as a whole number when it is one.
std::string coordonneeClasseur(const std::string& cell) {
    const std::string local = model::separateurs_locaux(cell);
    if (!model::est_reel_utm(local)) return local;
    return model::texte_milliers(model::val_reel_utm(local), 7, 0);
}

} // namespace

int Worksheet::importeClasseurUtm(const files::SheetCells& sheet) {
    TextTable::Bulk bulk(table_);
    videPourClasseur(table_);
    const std::string zone = sheet.cellText(2, 1);
    std::string ellipsoide = sheet.cellText(2, 2);
    if (model::enleve_blancs(ellipsoide) == "WGS84") ellipsoide = "WGS 84";
    const std::string hemisphere = sheet.cellText(2, 3);
    int count = 0;
    for (int row = 4; count < kWorkbookRows; ++row) {
        std::string label = sheet.cellText(1, row);
        if (blank(label)) break;
        std::vector<std::string> cells(kColumns);
        ++count;
        cells[kNumero] = std::to_string(count);
        cells[kLibelle] = std::move(label);
        cells[kEst] = coordonneeClasseur(sheet.cellText(2, row));
        cells[kNord] = coordonneeClasseur(sheet.cellText(3, row));
        cells[kZone] = zone;
        cells[kHemisphere] = hemisphere;
        cells[kEllipsoide] = ellipsoide;
        table_.setRow(count, std::move(cells));
    }
    return count;
}

int Worksheet::importeClasseurLatLon(const files::SheetCells& sheet) {
    TextTable::Bulk bulk(table_);
    videPourClasseur(table_);
    int count = 0;
    for (int row = 2; count < kWorkbookRows; ++row) {
        std::string name = sheet.cellText(1, row);
        if (blank(name)) break;
        std::vector<std::string> cells(kColumns);
        ++count;
        cells[kNumero] = std::to_string(count);
        cells[kLibelle] = std::move(name);

        std::string latitude = sheet.cellText(2, row);
        retirePremier(latitude, 'N');
        if (retirePremier(latitude, 'S')) latitude.insert(0, 1, '-');
        cells[kHemisphere] = std::string(latitude.find('-') != std::string::npos ? "S" : "N");
        const bool dmsLatitude = latitude.find(kDegree) != std::string::npos;
        cells[dmsLatitude ? kDmsLatitude : kLatitude] = std::move(latitude);

        std::string longitude = sheet.cellText(3, row);
        if (retirePremier(longitude, 'O')) longitude.insert(0, 1, '-');
        retirePremier(longitude, 'E');
        const bool dmsLongitude = longitude.find(kDegree) != std::string::npos;
        cells[dmsLongitude ? kDmsLongitude : kLongitude] = std::move(longitude);
        table_.setRow(count, std::move(cells));
    }
    return count;
}

} // namespace tracelle::geodesy
