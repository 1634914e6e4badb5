#include "gis/GeoJson.h"

#include "gis/Number.h"

namespace tracelle::gis {

namespace {

void appendString(std::string& out, const std::string& text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendPosition(std::string& out, const PositionTexts& positions, std::size_t i) {
    out += '[';
    positions.append(out, i);
    out += ']';
}

void appendPart(std::string& out, const PositionTexts& positions, const Part& part) {
    out += '[';
    for (std::size_t i = part.first; i < part.first + part.count; ++i) {
        if (i > part.first) out += ',';
        appendPosition(out, positions, i);
    }
    out += ']';
}

void appendLine(std::string& out, const PositionTexts& f, const FeatureLine& line) {
    out += "{\"type\":\"Feature\",\"properties\":{\"L\":";
    appendInteger(out, line.L);
    out += ",\"épaisseur\":";
    appendInteger(out, line.width);
    out += ",\"couleur\":\"";
    out += couleurHtml(line.colour);
    out += "\"},\"geometry\":{\"type\":";
    if (line.parts.size() == 1) {
        out += "\"LineString\",\"coordinates\":";
        appendPart(out, f, line.parts.front());
    } else {
        out += "\"MultiLineString\",\"coordinates\":[";
        for (std::size_t k = 0; k < line.parts.size(); ++k) {
            if (k > 0) out += ',';
            appendPart(out, f, line.parts[k]);
        }
        out += ']';
    }
    out += "}}";
}

void appendPoint(std::string& out, const FeaturePoint& p, const PositionTexts& positions,
                 std::size_t i) {
    out += "{\"type\":\"Feature\",\"properties\":{\"n\":";
    appendInteger(out, p.n);
    out += ",\"L\":";
    appendInteger(out, p.L);
    out += ",\"Libellé\":";
    appendString(out, p.label);
    out += ",\"Z\":";
    if (p.Z)
        appendNumber(out, *p.Z);
    else
        out += "null";
    out += "},\"geometry\":{\"type\":\"Point\",\"coordinates\":";
    appendPosition(out, positions, i);
    out += "}}";
}

} // namespace

std::string texteGeoJson(const Features& f) {
    std::string out;
    out.reserve(f.points.size() * 150 + 64);
    const PositionTexts positions(f.points);
    out += "{\"type\":\"FeatureCollection\",\"features\":[";
    const char* separator = "\n";
    for (const FeatureLine& line : f.lines) {
        if (line.parts.empty()) continue;
        out += separator;
        appendLine(out, positions, line);
        separator = ",\n";
    }
    for (std::size_t i = 0; i < f.points.size(); ++i) {
        out += separator;
        appendPoint(out, f.points[i], positions, i);
        separator = ",\n";
    }
    out += "\n]}\n";
    return out;
}

} // namespace tracelle::gis
