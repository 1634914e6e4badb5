#include "files/Cp1252.h"

#include <cstdint>
#include <cstring>

namespace tracelle::files {

namespace {

// Code points of bytes 0x80 to 0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i; false when it is not well formed.
bool decodeUtf8(std::string_view s, std::size_t& i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra;
    if (b0 < 0x80) {
        c = b0;
        ++i;
        return true;
    } else if ((b0 & 0xE0) == 0xC0 && b0 >= 0xC2) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0 && b0 <= 0xF4) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        if (i + static_cast<std::size_t>(k) >= s.size()) return false;
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    const char32_t minimum[4] = {0, 0x80, 0x800, 0x10000};
    if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
    return true;
}

// A character that Windows-1252 cannot hold becomes "?".
char cp1252Byte(char32_t c) {
    // The bytes that Windows-1252 leaves undefined were read as the Latin-1 characters of
    // their codes: they go back to the same bytes, so that a file is written as it was read.
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || (c < 0xA0 && kHigh[c - 0x80] == 0))
        return static_cast<char>(c);
    for (int k = 0; k < 32; ++k) {
        if (kHigh[k] == c) return static_cast<char>(0x80 + k);
    }
    return '?';
}

} // namespace

std::size_t asciiPrefix(std::string_view bytes) {
    // Files are ASCII but for a few accented labels: their megabytes are passed 32 bytes at a
    // time, the high bit of every byte tested at once.
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    const auto highIn = [&bytes](std::size_t at, std::size_t words) {
        std::uint64_t any = 0;
        for (std::size_t w = 0; w < words; ++w) {
            std::uint64_t word;
            std::memcpy(&word, bytes.data() + at + 8 * w, 8);
            any |= word;
        }
        return (any & kHighBits) != 0;
    };
    std::size_t i = 0;
    while (i + 32 <= bytes.size() && !highIn(i, 4))
        i += 32;
    while (i + 8 <= bytes.size() && !highIn(i, 1))
        i += 8;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

bool isValidUtf8(std::string_view bytes) {
    char32_t c;
    for (std::size_t i = asciiPrefix(bytes); i < bytes.size(); i += asciiPrefix(bytes.substr(i))) {
        if (!decodeUtf8(bytes, i, c)) return false;
    }
    return true;
}

void appendCp1252AsUtf8(std::string& out, std::string_view bytes) {
    std::size_t i = 0;
    while (true) {
        const std::size_t run = asciiPrefix(bytes.substr(i));
        out.append(bytes.substr(i, run));
        i += run;
        if (i == bytes.size()) return;
        const auto b = static_cast<unsigned char>(bytes[i++]);
        const char32_t c = b < 0xA0 ? kHigh[b - 0x80] : b;
        appendUtf8(out, c ? c : b); // undefined bytes keep their Latin-1 meaning
    }
}

void appendCodePointAsUtf8(std::string& out, char32_t c) {
    appendUtf8(out, c);
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    appendCp1252AsUtf8(out, bytes);
    return out;
}

std::string fileTextToUtf8(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
}

std::string utf8ToCp1252(std::string_view text) {
    std::size_t i = asciiPrefix(text);
    if (i == text.size()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    out.append(text.substr(0, i));
    while (i < text.size()) {
        char32_t c;
        if (decodeUtf8(text, i, c)) {
            out += cp1252Byte(c);
        } else {
            out += '?';
            ++i;
        }
        const std::size_t run = asciiPrefix(text.substr(i));
        out.append(text.substr(i, run));
        i += run;
    }
    return out;
}

} // namespace tracelle::files
