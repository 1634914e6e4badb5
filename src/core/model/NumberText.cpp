#include "model/NumberText.h"

#include "model/TextTable.h"
#include "platform/DecimalSeparator.h"
#include "platform/Interaction.h"
#include "platform/Language.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tracelle::model {

using platform::decimalSeparator;
using platform::interaction;

namespace {

EmergencySave emergencySave;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

constexpr Real kPowersOfTen[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                 1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L,
                                 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L,
                                 1e24L, 1e25L, 1e26L, 1e27L}; // all exact in 64 bits

// Reads one real and nothing else: [sign] digits [mark digits] [E [sign] digits], with at
// least one digit before the exponent. The character at `markAt` is a mark too, so that a
// text whose mark normalisation changes is read without a copy.
std::optional<Real> parseReal(std::string_view text, char mark, bool lowerCaseExponent,
                              std::size_t markAt = std::string_view::npos) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;

    std::uint64_t mantissa = 0;
    int significant = 0; // digits from the first non-zero one
    int fraction = 0;    // digits after the mark
    int digits = 0;
    bool seenMark = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            ++digits;
            if (seenMark) ++fraction;
            if (significant > 0 || c != '0') {
                if (++significant <= 19) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            }
        } else if ((c == mark || i == markAt) && !seenMark) {
            seenMark = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;

    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || (lowerCaseExponent && text[i] == 'e'))) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        int exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++exponentDigits) {
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0) return std::nullopt;
        if (negativeExponent) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;

    // Up to 19 digits scaled by an exact power of ten: one rounding, as the library's.
    const long scale = exponent - fraction;
    if (significant <= 19 && scale >= -27 && scale <= 27) {
        Real value = static_cast<Real>(mantissa);
        value = scale < 0 ? value / kPowersOfTen[-scale] : value * kPowersOfTen[scale];
        return negative ? -value : value;
    }

    std::string dotted(text);
    for (std::size_t k = 0; k < dotted.size(); ++k) {
        if (dotted[k] == mark || k == markAt) dotted[k] = '.';
    }
    Real value = 0;
    const char* end = dotted.data() + dotted.size();
    const auto [ptr, ec] = std::from_chars(dotted.data() + (text[0] == '+' ? 1 : 0), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// Index of the mark that normalisation turns into DS, or npos.
std::size_t markToSwap(std::string_view text, char ds) {
    const auto dot = text.find('.');
    if (dot != std::string_view::npos && ds != '.') return dot;
    const auto comma = text.find(',');
    if (comma != std::string_view::npos && ds != ',') return comma;
    return std::string_view::npos;
}

} // namespace

std::string normalise_separateur(std::string_view text) {
    std::string result(text);
    const char ds = decimalSeparator();
    if (const auto i = markToSwap(text, ds); i != std::string_view::npos) result[i] = ds;
    return result;
}

std::string enleve_blancs_gauche(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string enleve_blancs_droite(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string enleve_blancs(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string majuscules(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string minuscules(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

namespace {

// Bytes of the UTF-8 sequence that `lead` starts (1 for a byte that starts none).
std::size_t sequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

} // namespace

std::string excerptForMessage(std::string_view text) {
    constexpr int kCharacters = 60;
    std::string out;
    std::size_t i = 0;
    for (int count = 0; count < kCharacters && i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = std::min(sequenceLength(lead), text.size() - i);
        // "?" rather than a space, so that the reader sees where something unprintable stood:
        // C0 controls, DEL, stray continuation bytes, and the C1 controls U+0080 to U+009F
        // (which bytes undefined in Windows-1252 become).
        const bool c1 =
            lead == 0xC2 && length == 2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (lead < 0x20 || lead == 0x7F || (lead >= 0x80 && lead < 0xC0) || c1) {
            out += '?';
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

int nb_car(char c, std::string_view text) {
    int count = 0;
    for (const char t : text)
        count += (t == c);
    return count;
}

namespace {

// The number-like prefix that val_reel keeps, as a part of the text, and where the mark
// normalisation puts DS in it (npos: nowhere).
struct KeptPrefix {
    std::string_view text;
    std::size_t swapped;

    std::string inDs(char ds) const {
        std::string out(text);
        if (swapped != std::string_view::npos) out[swapped] = ds;
        return out;
    }
};

KeptPrefix keptPrefix(std::string_view text, char ds) {
    const std::string_view t = trimmed(text);
    const std::size_t swapped = markToSwap(t, ds);
    std::size_t end = 0;
    for (; end < t.size(); ++end) {
        const char c = end == swapped ? ds : t[end];
        if (!isDigit(c) && c != '+' && c != '-' && c != 'E' && c != ds) break;
    }
    return {t.substr(0, end), swapped < end ? swapped : std::string_view::npos};
}

// Nothing when the kept prefix is malformed; 0 when there is none.
std::optional<Real> readKept(const KeptPrefix& kept, char ds) {
    if (kept.text.empty() || kept.text == "+" || kept.text == "-") return 0;
    return parseReal(kept.text, ds, false, kept.swapped);
}

Real readTelling(std::string_view text) {
    const char ds = decimalSeparator();
    const KeptPrefix kept = keptPrefix(text, ds);
    if (const auto value = readKept(kept, ds)) return *value;
    interaction().information("EConvertError\n\r" + texte_pas_un_reel(kept.inDs(ds)));
    return 0;
}

} // namespace

std::string texte_pas_un_reel(std::string_view text) {
    return platform::fill(
        platform::translate("NumberText",
                            "'%1' n'est pas une valeur en virgule flottante correcte"),
        {text});
}

std::string notAnIntegerText(std::string_view text) {
    return platform::fill(
        platform::translate("NumberText", "'%1' n'est pas une valeur entière correcte"), {text});
}

Real val_reel(std::string_view text) {
    return readTelling(text);
}

Real val_reel_utm(std::string_view text) {
    // Spaces and no-break spaces do not end its scan: without them, it is val_reel's.
    return readTelling(enleve_espaces(text));
}

std::optional<Real> readRealQuietly(std::string_view text) {
    const char ds = decimalSeparator();
    return readKept(keptPrefix(text, ds), ds);
}

bool readsAsReal(std::string_view text) {
    // A sign, digits and one mark at most, short enough to be in range: every number the grids
    // hold reads so under either separator, and is passed without being converted.
    std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digit = false;
    bool mark = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digit = true;
        } else if ((text[i] == '.' || text[i] == ',') && !mark) {
            mark = true;
        } else {
            break;
        }
    }
    if (digit && i == text.size() && text.size() <= 40) return true;
    return readRealQuietly(text).has_value();
}

std::optional<Real> texte_en_reel_strict(std::string_view text) {
    return parseReal(enleve_blancs(text), decimalSeparator(), false);
}

EntierLu lit_entier(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    // Decimal values must fit a signed 32-bit integer; hexadecimal ones 32 bits.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (isDigit(c)) {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            break;
        }
        const std::uint64_t next = magnitude * (hex ? 16 : 10) + digit;
        if (next > limit) break;
        magnitude = next;
        ++digits;
    }

    EntierLu result;
    if (digits == 0 || i != text.size()) {
        result.errorPosition = static_cast<int>(i) + 1;
        result.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return result;
    }
    const auto bits = static_cast<std::uint32_t>(magnitude);
    result.value = static_cast<std::int32_t>(negative ? 0u - bits : bits);
    return result;
}

std::int32_t val_entier(std::string_view text) {
    const EntierLu read = lit_entier(text);
    if (read.errorPosition == 0) return read.value;

    static const std::string kRescueFile = "~tmp.trc";
    const std::string question = platform::fill(
        platform::translate(
            "NumberText", "<%1> n'est pas une valeur entière err=%2\n Sauver automatiquement pour "
                          "relancer l'application et recharger le projet ? "),
        {excerptForMessage(text), std::to_string(read.errorPosition)});
    if (interaction().confirm(question)) {
        // Stopping after a failed save would lose the project: the program then stays open.
        if (emergencySave && emergencySave(kRescueFile)) {
            interaction().information(platform::fill(
                platform::translate("NumberText", "sauvegarde effectuée dans %1 avant arrêt"),
                {kRescueFile}));
            interaction().requestQuit();
        } else {
            interaction().information(platform::fill(
                platform::translate("NumberText",
                                    "la sauvegarde dans %1 a échoué : le programme reste ouvert"),
                {kRescueFile}));
        }
    }
    return read.value;
}

void setEmergencySave(EmergencySave save) {
    emergencySave = std::move(save);
}

Real val_r(std::string_view text) {
    if (text.empty() || text == "-") return kUndefinedReal;
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c == ',') {
            kept += '.';
        } else if (isDigit(c) || c == '+' || c == '-' || c == '.') {
            kept += c;
        }
    }
    return parseReal(kept, '.', false).value_or(0);
}

namespace {

// Characters of real-number input in edit boxes, the decimal separator aside.
bool realInputCharacter(char c) {
    return isDigit(c) || c == '*' || c == '+' || c == '-' || c == '/' || c == 'E';
}

} // namespace

bool est_reel(std::string_view text) {
    const char ds = decimalSeparator();
    const std::string t = enleve_blancs(normalise_separateur(text));
    if (t.empty() || t == "-" || nb_car('/', t) > 1) return false;
    for (const char c : t) {
        if (!realInputCharacter(c) && c != ds) return false;
    }
    return true;
}

bool est_entier(std::string_view text) {
    const std::string t = enleve_blancs(normalise_separateur(text));
    if (t.empty()) return false;
    for (const char c : t) {
        if (!isDigit(c)) return false;
    }
    return true;
}

void filtre_numerique(std::string& text) {
    const char ds = decimalSeparator();
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (isDigit(c) || c == '+' || c == '-' || c == 'E' || c == ds) {
            kept += c;
        } else if (c == '.') {
            kept += (ds == ',') ? ',' : '.';
        }
    }
    text = std::move(kept);
}

bool champSuivant(std::string_view line, char sep, std::size_t& i, std::string_view& field) {
    // Runs of separators count as one: field n is the n-th non-empty piece.
    while (i < line.size() && line[i] == sep)
        ++i;
    if (i >= line.size()) return false;
    const std::size_t start = i;
    while (i < line.size() && line[i] != sep)
        ++i;
    field = trimmed(line.substr(start, i - start));
    return true;
}

std::string _extrait(std::string_view line, int n, char sep) {
    if (line.empty()) return std::string(kExtraitVide);
    std::size_t i = 0;
    std::string_view field;
    for (int k = 1; k <= n; ++k) {
        if (!champSuivant(line, sep, i, field)) return {};
    }
    return n > 0 ? std::string(field) : std::string();
}

Real extrait_reel(std::string_view line, int n, char sep, Real defaultValue) {
    return reel_de_champ(_extrait(line, n, sep)).value_or(defaultValue);
}

std::optional<Real> reel_de_champ(std::string_view field) {
    // The first "," is the mark when there is one, else "."; read in place, without a copy.
    return parseReal(field, field.find(',') != std::string_view::npos ? ',' : '.', true);
}

int indice_col_grille(const TextTable& grid, std::string_view header) {
    // Compared without copies: columns are looked up for every cell a row writes.
    const std::string_view wanted = trimmed(header);
    int found = -1;
    for (int col = 0; col < grid.columnCount(); ++col) {
        if (trimmed(grid.cell(0, col)) == wanted) found = col;
    }
    return found;
}

} // namespace tracelle::model
