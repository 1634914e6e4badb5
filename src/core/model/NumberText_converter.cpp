// Text helpers of the coordinate converter window.
#include "model/NumberText.h"
#include "platform/DecimalSeparator.h"

namespace tracelle::model {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kDegree = "\xC2\xB0";

bool startsWithAt(std::string_view text, std::size_t i, std::string_view what) {
    return text.substr(i, what.size()) == what;
}

} // namespace

std::string enleve_espaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        if (startsWithAt(text, i, kNoBreakSpace)) {
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

bool est_reel_utm(std::string_view text) {
    const char ds = platform::decimalSeparator();
    const std::string t = enleve_espaces(normalise_separateur(text));
    if (t.empty() || t == "-" || t == "E") return false;
    for (const char c : t) {
        const bool allowed = (c >= '0' && c <= '9') || c == '*' || c == '+' || c == '-' ||
                             c == '/' || c == 'E' || c == ds;
        if (!allowed) return false;
    }
    return true;
}

bool est_dms(std::string_view text) {
    const char ds = platform::decimalSeparator();
    const std::string t = normalise_separateur(enleve_blancs(text));
    if (t.empty() || t == "-") return false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (startsWithAt(t, i, kDegree)) {
            ++i;
            continue;
        }
        const bool allowed = (c >= '0' && c <= '9') || c == ' ' || c == '"' || c == '\'' ||
                             c == '*' || c == '+' || c == '-' || c == '/' || c == 'E' || c == ds;
        if (!allowed) return false;
    }
    return true;
}

std::string separateurs_locaux(std::string_view text) {
    const char ds = platform::decimalSeparator();
    std::string out(text);
    for (char& c : out) {
        if (c == '.' || c == ',') c = ds;
    }
    return out;
}

std::string remplace_car(std::string_view text, char from, char to) {
    std::string out(text);
    for (char& c : out) {
        if (c == from) c = to;
    }
    return out;
}

int position_nieme(char c, std::string_view text, int n) {
    if (n <= 0) return 0;
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == c && ++seen == n) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string extrait_champ(std::string_view line, int n, char sep) {
    if (n <= 0) return {};
    // With a separator put in front, field n starts after the n-th separator.
    std::size_t start = 0;
    for (int k = 1; k < n; ++k) {
        const auto next = line.find(sep, start);
        if (next == std::string_view::npos) return {};
        start = next + 1;
    }
    const auto end = line.find(sep, start);
    return std::string(
        line.substr(start, end == std::string_view::npos ? line.size() - start : end - start));
}

} // namespace tracelle::model
