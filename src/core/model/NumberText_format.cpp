// Writing reals: fixed notation for the grids, general notation for exchanged values.
#include "model/NumberText.h"
#include "platform/DecimalSeparator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tracelle::model {

namespace {

// A real as decimal digits: value = 0.d1d2... × 10^exponent; no digit for zero.
struct Decimal {
    bool negative = false;
    char digits[20] = {};
    int count = 0;
    int exponent = 0;

    char digitAt(int k) const { return (k >= 0 && k < count) ? digits[k] : '0'; }

    void dropTrailingZeros() {
        while (count > 0 && digits[count - 1] == '0')
            --count;
        if (count == 0) {
            exponent = 0;
            negative = false; // a value that rounds to zero is written without a sign
        }
    }
};

__extension__ typedef unsigned __int128 Uint128; // GCC's, for exact 64 × 64-bit products

constexpr std::uint64_t kPowersOfTen[20] = {1ull,
                                            10ull,
                                            100ull,
                                            1000ull,
                                            10000ull,
                                            100000ull,
                                            1000000ull,
                                            10000000ull,
                                            100000000ull,
                                            1000000000ull,
                                            10000000000ull,
                                            100000000000ull,
                                            1000000000000ull,
                                            10000000000000ull,
                                            100000000000000ull,
                                            1000000000000000ull,
                                            10000000000000000ull,
                                            100000000000000000ull,
                                            1000000000000000000ull,
                                            10000000000000000000ull};

// The 18 digits of 0.01 <= magnitude < 1e18 in exact integer arithmetic, rounded half to
// even as the C library rounds: magnitude ≈ q × 10^(e − 18) with 10^17 <= q < 10^18.
// False outside that range.
bool exactDigits18(Real magnitude, std::uint64_t& q18, int& e) {
    // The extended real's own fields: 64 mantissa bits with the integer bit, then a 15-bit
    // exponent biased by 16383 (read directly: frexp and ldexp cost two library calls).
    static_assert(std::numeric_limits<Real>::digits == 64);
    unsigned char bytes[sizeof(Real)];
    std::memcpy(bytes, &magnitude, sizeof bytes);
    std::uint64_t m = 0;
    std::uint16_t biased = 0;
    std::memcpy(&m, bytes, sizeof m);
    std::memcpy(&biased, bytes + 8, sizeof biased);
    biased &= 0x7FFF;
    if (biased == 0 || (m >> 63) == 0) return false; // denormal: far below the range
    const int e2 = biased - 16383 + 1;               // magnitude = 0.m × 2^e2
    const int k = 64 - e2;                           // magnitude = m / 2^k
    if (k < 1 || k > 127) return false;
    // A lower bound of floor(log10(magnitude)), too low by one at most.
    int p10 = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398120));
    for (int attempt = 0; attempt < 2; ++attempt, ++p10) {
        const int s = 17 - p10;
        if (s < 0 || s > 19) return false;
        const Uint128 product = static_cast<Uint128>(m) * kPowersOfTen[s];
        Uint128 q = product >> k;
        const Uint128 rest = product - (q << k);
        const Uint128 half = static_cast<Uint128>(1) << (k - 1);
        if (rest > half || (rest == half && (q & 1) != 0)) ++q;
        if (q >= kPowersOfTen[18]) continue;
        q18 = static_cast<std::uint64_t>(q);
        e = p10 + 1;
        return true;
    }
    return false;
}

bool exactDigits(Real magnitude, Decimal& d) {
    std::uint64_t q = 0;
    if (!exactDigits18(magnitude, q, d.exponent)) return false;
    const auto [end, ec] = std::to_chars(d.digits, d.digits + sizeof d.digits, q);
    d.count = static_cast<int>(end - d.digits);
    d.dropTrailingZeros();
    return true;
}

// _format2's fixed text straight from the 18 digits, for the usual case: a value from 0.01
// to 10^17 written with decimals. Its length in `buf`; 0 when the general path must write it.
std::size_t fixedFast(Real x, int p, int d, char ds, char (&buf)[48]) {
    std::uint64_t q = 0;
    int e = 0;
    if (d < 1 || !exactDigits18(std::fabs(x), q, e) || e > p) return 0;
    const int keep = std::min(p, e + d);
    if (keep <= 0) return 0;
    std::uint64_t r = q;
    if (keep < 18) {
        // Halves away from zero, as the 18 digits show.
        const std::uint64_t unit = kPowersOfTen[18 - keep];
        r = q / unit + (q % unit >= unit / 2 ? 1 : 0);
        if (r == kPowersOfTen[keep] && e + 1 > p) return 0; // 99.9… carried past p
    }
    const int f = keep - e; // decimals held by r, from 0 to d
    char* o = buf;
    if (std::signbit(x)) *o++ = '-';
    o = std::to_chars(o, buf + sizeof buf, r / kPowersOfTen[f]).ptr;
    *o++ = ds;
    char* fraction = o;
    std::uint64_t rest = r % kPowersOfTen[f];
    for (int k = f - 1; k >= 0; --k, rest /= 10)
        fraction[k] = static_cast<char>('0' + rest % 10);
    o += f;
    std::memset(o, '0', static_cast<std::size_t>(d - f));
    o += d - f;
    return static_cast<std::size_t>(o - buf);
}

// 18 significant digits, as many as an extended real holds.
Decimal toDecimal(Real x) {
    Decimal d;
    d.negative = std::signbit(x);
    if (x == 0) {
        d.negative = false;
        return d;
    }
    if (exactDigits(std::fabs(x), d)) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", x);
    const char* p = buf + (buf[0] == '-' ? 1 : 0);
    d.digits[d.count++] = *p++;
    if (*p != 'e' && (*p < '0' || *p > '9')) ++p; // the radix mark, whatever the C locale
    while (*p >= '0' && *p <= '9' && d.count < 20)
        d.digits[d.count++] = *p++;
    if (*p == 'e') d.exponent = std::atoi(p + 1) + 1;
    d.dropTrailingZeros();
    return d;
}

// Keeps `keep` significant digits, halves rounded away from zero as the decimal digits show.
void roundTo(Decimal& d, int keep) {
    if (d.count <= keep) return;
    if (keep < 0) {
        d.count = 0;
        d.dropTrailingZeros();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            --i;
        if (i < 0) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        } else {
            ++d.digits[i];
            d.count = i + 1;
        }
    }
    d.dropTrailingZeros();
}

std::string fixed(const Decimal& d, int decimals, char ds) {
    std::string out(static_cast<std::size_t>(std::max(d.exponent, 1) + decimals + 2), '\0');
    char* p = out.data();
    if (d.negative) *p++ = '-';
    if (d.exponent <= 0) {
        *p++ = '0';
    } else {
        for (int k = 0; k < d.exponent; ++k)
            *p++ = d.digitAt(k);
    }
    if (decimals > 0) {
        *p++ = ds;
        for (int j = 0; j < decimals; ++j)
            *p++ = d.digitAt(d.exponent + j);
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    return out;
}

// `d` already holds at most `precision` digits.
std::string general(const Decimal& d, int precision, char ds) {
    if (d.count == 0) return "0";
    std::string out;
    if (d.negative) out += '-';
    const int e = d.exponent;
    if (e > precision || e < -3) {
        out += d.digits[0];
        if (d.count > 1) {
            out += ds;
            out.append(d.digits + 1, d.digits + d.count);
        }
        out += 'E';
        if (e - 1 < 0) out += '-';
        out += std::to_string(std::abs(e - 1));
    } else if (e <= 0) {
        out += '0';
        out += ds;
        out.append(static_cast<std::size_t>(-e), '0');
        out.append(d.digits, d.digits + d.count);
    } else {
        for (int k = 0; k < e; ++k)
            out += d.digitAt(k);
        if (d.count > e) {
            out += ds;
            out.append(d.digits + e, d.digits + d.count);
        }
    }
    return out;
}

int significantDigits(Real x, int n) {
    return std::clamp(x < 0 ? n + 1 : n, 2, 18);
}

std::string generalWith(Real x, int precision, char ds) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    Decimal d = toDecimal(x);
    roundTo(d, precision);
    return general(d, precision, ds);
}

} // namespace

std::string texte_general(Real x, int precision) {
    return generalWith(x, std::clamp(precision, 1, 18), platform::decimalSeparator());
}

std::string reel_en_texte_point(Real x) {
    return generalWith(x, 15, '.');
}

std::string _format2(Real x, int n, int d) {
    if (std::isnan(x) || std::isinf(x)) return generalWith(x, 18, '.');
    const char ds = platform::decimalSeparator();
    const int p = significantDigits(x, n);
    d = std::clamp(d, 0, 18);

    // Whole numbers (every integer cell, and zero) need no decimal conversion.
    // The undefined real, like any value too small to show, is written as zero.
    const Real magnitude = std::fabs(x);
    if (magnitude < 5e-19L) x = 0;
    const long long whole = magnitude < 1e17L ? entierProche(x) : 0;
    if (magnitude < 1e17L && static_cast<Real>(whole) == x) {
        char buf[24];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, whole);
        const int integerDigits = static_cast<int>(end - buf) - (x < 0 ? 1 : 0);
        if (d == 0 || integerDigits <= p) {
            std::string out(buf, end);
            if (d > 0) {
                out += ds;
                out.append(static_cast<std::size_t>(d), '0');
            }
            return out;
        }
    }

    char buf[48];
    if (const std::size_t length = fixedFast(x, p, d, ds, buf)) return std::string(buf, length);
    Decimal v = toDecimal(x);
    if (d == 0) {
        roundTo(v, v.exponent); // d = 0 writes the whole integer, however long
        return fixed(v, 0, ds);
    }
    roundTo(v, std::min(p, v.exponent + d));
    if (v.count > 0 && v.exponent > p) return general(v, p, ds);
    return fixed(v, d, ds);
}

std::string format_entier(long long v, int n) {
    char buf[24];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    const auto length = static_cast<int>(end - buf);
    const int width = v < 0 ? n + 1 : n;
    if (length >= width) return std::string(buf, end);
    // Two spaces for each missing character, as cadre_droite pads.
    std::string out(static_cast<std::size_t>(2 * (width - length)), ' ');
    out.append(buf, end);
    return out;
}

std::string _format(Real x, int n, int d) {
    // The width is the requested one; only the precision of the conversion is bounded.
    return cadre_droite(_format2(x, n, d), x < 0 ? n + 1 : n);
}

std::string texte_scientifique(Real x, int decimals) {
    const char ds = platform::decimalSeparator();
    Decimal d = toDecimal(x);
    roundTo(d, decimals + 1);
    std::string out;
    if (d.negative) out += '-';
    out += d.digitAt(0);
    out += ds;
    for (int k = 1; k <= decimals; ++k)
        out += d.digitAt(k);
    const int exponent = d.count == 0 ? 0 : d.exponent - 1;
    out += exponent < 0 ? " E-" : " E+";
    const std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) out += '0';
    out += digits;
    return out;
}

std::string texte_groupe(Real x, int decimals) {
    Decimal d = toDecimal(x);
    // Digits up to the last decimal, counted from the first significant one: fewer than
    // `decimals` below 0.1, none when the value rounds below the last decimal.
    roundTo(d, std::min(18, d.exponent + decimals));
    const std::string text = fixed(d, decimals, platform::decimalSeparator());
    const bool negative = !text.empty() && text[0] == '-';
    const std::string body = negative ? text.substr(1) : text;
    const std::size_t point =
        decimals > 0 ? body.size() - static_cast<std::size_t>(decimals) - 1 : body.size();
    const std::string integer = body.substr(0, point);
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped += ' ';
        grouped += integer[i];
    }
    const int separators = static_cast<int>((integer.size() + 2) / 3) - 1;
    std::string out(static_cast<std::size_t>(std::max(0, 4 - separators)), ' ');
    if (negative) out += '-';
    return out + grouped + body.substr(point);
}

namespace {

// The digits of |x| rounded to `decimals` decimals (halves away from zero, as the 18 digits
// show), the integer part first with at least one digit, straight from the 18 exact digits;
// false when the rounding falls outside them.
bool roundedDigits18(Real magnitude, int decimals, char (&digits)[40], int& integerDigits) {
    std::uint64_t q = 0;
    int e = 0;
    if (!exactDigits18(magnitude, q, e)) return false;
    const int keep = e + decimals;
    if (keep < 1 || keep > 18) return false;
    std::uint64_t r = q; // the value × 10^decimals, rounded
    if (keep < 18) {
        const std::uint64_t unit = kPowersOfTen[18 - keep];
        r = q / unit + (q % unit >= unit / 2 ? 1 : 0);
    }
    char text[24];
    const int length = static_cast<int>(std::to_chars(text, text + sizeof text, r).ptr - text);
    const int total = std::max(length, decimals + 1);
    std::memset(digits, '0', static_cast<std::size_t>(total - length));
    std::memcpy(digits + total - length, text, static_cast<std::size_t>(length));
    integerDigits = total - decimals;
    return true;
}

// "%W.Df" and "%W.Dn"; `group` is empty for no grouping.
std::string fixedWidth(Real x, int width, int decimals, std::string_view group) {
    if (std::isnan(x) || std::isinf(x)) {
        std::string text = generalWith(x, 18, '.');
        if (static_cast<int>(text.size()) < width)
            text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
        return text;
    }
    decimals = std::clamp(decimals, 0, 18);
    bool negative = std::signbit(x);
    char fast[40];
    int integerDigits = 0;
    std::string slow; // the digits of values far from the usual ones
    const char* digits = fast;
    if (!roundedDigits18(std::fabs(x), decimals, fast, integerDigits)) {
        Decimal d = toDecimal(x);
        roundTo(d, std::min(18, d.exponent + decimals));
        negative = d.negative; // nothing left of a value that rounds to zero, its sign included
        integerDigits = std::max(d.exponent, 1);
        slow.resize(static_cast<std::size_t>(integerDigits + decimals));
        for (int k = 0; k < integerDigits; ++k)
            slow[static_cast<std::size_t>(k)] = d.exponent > 0 ? d.digitAt(k) : '0';
        for (int j = 0; j < decimals; ++j)
            slow[static_cast<std::size_t>(integerDigits + j)] = d.digitAt(d.exponent + j);
        digits = slow.data();
    }

    const int groups = group.empty() ? 0 : (integerDigits - 1) / 3;
    const int characters =
        (negative ? 1 : 0) + integerDigits + groups + (decimals > 0 ? 1 + decimals : 0);
    const int padding = std::max(0, width - characters);
    std::string out(static_cast<std::size_t>(padding + characters - groups) +
                        static_cast<std::size_t>(groups) * group.size(),
                    ' ');
    char* p = out.data() + padding;
    if (negative) *p++ = '-';
    for (int k = 0; k < integerDigits; ++k) {
        if (k > 0 && groups > 0 && (integerDigits - k) % 3 == 0) {
            std::memcpy(p, group.data(), group.size());
            p += group.size();
        }
        *p++ = digits[k];
    }
    if (decimals > 0) {
        *p++ = platform::decimalSeparator();
        std::memcpy(p, digits + integerDigits, static_cast<std::size_t>(decimals));
    }
    return out;
}

} // namespace

std::string texte_fixe(Real x, int width, int decimals) {
    return fixedWidth(x, width, decimals, {});
}

std::string texte_milliers(Real x, int width, int decimals) {
    return fixedWidth(x, width, decimals, platform::thousandsSeparator());
}

std::string cadre_droite(std::string_view text, int width) {
    // Characters, not bytes: UTF-8 continuation bytes do not count.
    int length = 0;
    for (const char c : text)
        length += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (length >= width) return std::string(text);
    std::string out(static_cast<std::size_t>(2 * (width - length)), ' ');
    out += text;
    return out;
}

} // namespace tracelle::model
