#include "gis/Kml.h"

#include "gis/Number.h"

#include <algorithm>
#include <vector>

namespace tracelle::gis {

namespace {

void appendEscaped(std::string& out, const std::string& text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            // XML 1.0 holds no other control character.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                out += ' ';
            else
                out += c;
        }
    }
}

void appendLineString(std::string& out, const PositionTexts& positions, const Part& part) {
    out += "<LineString><tessellate>1</tessellate><coordinates>";
    for (std::size_t i = part.first; i < part.first + part.count; ++i) {
        if (i > part.first) out += ' ';
        positions.append(out, i);
    }
    out += "</coordinates></LineString>";
}

void appendStyleUrl(std::string& out, std::int32_t L) {
    out += "<styleUrl>#ligne";
    appendInteger(out, L);
    out += "</styleUrl>";
}

// KML writes colours aabbggrr: the lines table's 0x00BBGGRR, made opaque.
std::string kmlColour(std::uint32_t colour) {
    static const char digits[] = "0123456789abcdef";
    std::string text = "ff";
    for (const int shift : {16, 8, 0}) {
        const unsigned byte = (colour >> shift) & 0xFF;
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    }
    return text;
}

void appendStyle(std::string& out, const FeatureLine& line) {
    const std::string colour = kmlColour(line.colour);
    out += "<Style id=\"ligne";
    appendInteger(out, line.L);
    out += "\"><IconStyle><color>" + colour +
           "</color><scale>0.5</scale></IconStyle><LineStyle><color>" + colour + "</color><width>";
    appendInteger(out, line.width);
    out += "</width></LineStyle></Style>\n";
}

void appendLine(std::string& out, const PositionTexts& f, const FeatureLine& line) {
    out += "<Placemark><name>Ligne ";
    appendInteger(out, line.L);
    out += "</name>";
    appendStyleUrl(out, line.L);
    if (line.parts.size() == 1) {
        appendLineString(out, f, line.parts.front());
    } else {
        out += "<MultiGeometry>";
        for (const Part& part : line.parts)
            appendLineString(out, f, part);
        out += "</MultiGeometry>";
    }
    out += "</Placemark>\n";
}

void appendData(std::string& out, const char* name) {
    out += "<Data name=\"";
    out += name;
    out += "\"><value>";
}

void appendPoint(std::string& out, const FeaturePoint& p, const PositionTexts& positions,
                 std::size_t i) {
    out += "<Placemark>";
    if (!p.label.empty()) {
        out += "<name>";
        appendEscaped(out, p.label);
        out += "</name>";
    }
    appendStyleUrl(out, p.L);
    out += "<ExtendedData>";
    appendData(out, "n");
    appendInteger(out, p.n);
    out += "</value></Data>";
    appendData(out, "L");
    appendInteger(out, p.L);
    out += "</value></Data>";
    if (p.Z) {
        appendData(out, "Z");
        appendNumber(out, *p.Z);
        out += "</value></Data>";
    }
    out += "</ExtendedData><Point><coordinates>";
    positions.append(out, i);
    out += "</coordinates></Point></Placemark>\n";
}

} // namespace

std::string texteKml(const Features& f, const std::string& title) {
    std::string out;
    out.reserve(f.points.size() * 200 + 256);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document><name>";
    appendEscaped(out, title);
    out += "</name>\n";
    for (const FeatureLine& line : f.lines)
        appendStyle(out, line);
    out += "<Folder><name>Lignes</name>\n";
    const PositionTexts positions(f.points);
    for (const FeatureLine& line : f.lines)
        if (!line.parts.empty()) appendLine(out, positions, line);
    out += "</Folder>\n<Folder><name>Points</name>\n";
    // Thousands of unnamed pins over the lines they make would only hide them.
    std::vector<bool> drawn(f.points.size(), false);
    for (const FeatureLine& line : f.lines)
        for (const Part& part : line.parts)
            std::fill_n(drawn.begin() + static_cast<std::ptrdiff_t>(part.first), part.count, true);
    for (std::size_t i = 0; i < f.points.size(); ++i)
        if (!drawn[i] || !f.points[i].label.empty()) appendPoint(out, f.points[i], positions, i);
    out += "</Folder>\n</Document>\n</kml>\n";
    return out;
}

} // namespace tracelle::gis
