#include "gis/Dxf.h"

#include "files/Cp1252.h"
#include "gis/Number.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <dl_dxf.h>
#include <dl_writer_ascii.h>

namespace tracelle::gis {

namespace {

// dxflib's writer goes straight to a file of its own; this one fills a text instead, so that
// the file is written as every other, whole or not at all.
class TextWriter : public DL_WriterA {
public:
    TextWriter() : DL_WriterA("") {}
    std::string& text() const { return text_; }

    void dxfReal(int gc, double value) const override {
        code(gc);
        appendNumber(text_, value);
        text_ += '\n';
    }
    void dxfInt(int gc, int value) const override {
        code(gc);
        text_ += std::to_string(value);
        text_ += '\n';
    }
    void dxfHex(int gc, int value) const override {
        static const char digits[] = "0123456789ABCDEF";
        code(gc);
        char buffer[8];
        int n = 0;
        auto v = static_cast<unsigned>(value);
        do {
            buffer[n++] = digits[v & 0xF];
            v >>= 4;
        } while (v != 0);
        while (n > 0)
            text_ += buffer[--n];
        text_ += '\n';
    }
    void dxfString(int gc, const char* value) const override {
        code(gc);
        text_ += value;
        text_ += '\n';
    }
    void dxfString(int gc, const std::string& value) const override {
        code(gc);
        text_ += value;
        text_ += '\n';
    }

private:
    void code(int gc) const {
        if (gc < 100) text_ += gc < 10 ? "  " : " ";
        text_ += std::to_string(gc);
        text_ += '\n';
    }
    mutable std::string text_;
};

// The AutoCAD colour index nearest to a 0x00BBGGRR colour, for programs that ignore true colour.
int nearestIndex(std::uint32_t colour) {
    const double rgb[3] = {(colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                           ((colour >> 16) & 0xFF) / 255.0};
    int best = 1;
    double bestDistance = 1e9;
    for (int i = 1; i < 256; ++i) {
        double d = 0;
        for (int k = 0; k < 3; ++k)
            d += (dxfColors[i][k] - rgb[k]) * (dxfColors[i][k] - rgb[k]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// The standard line weight (hundredths of a millimetre) nearest to a pen of `pixels` at 96 dpi.
int lineWeight(int pixels) {
    static constexpr std::array<int, 24> weights = {0,  5,   9,   13,  15,  18,  20,  25,
                                                    30, 35,  40,  50,  53,  60,  70,  80,
                                                    90, 100, 106, 120, 140, 158, 200, 211};
    const double wanted = pixels * 2540.0 / 96.0;
    return *std::min_element(weights.begin(), weights.end(), [wanted](int a, int b) {
        return std::abs(a - wanted) < std::abs(b - wanted);
    });
}

// A caret starts a control character in a DXF text: "^ " is the caret itself. Cut between two
// characters to kLabelWidth, and `cut` counts it.
std::string dxfText(const std::string& label, int& cut) {
    std::string text;
    for (const char c : files::utf8ToCp1252(label)) {
        char escaped[2] = {c, 0};
        if (c == '^') {
            escaped[1] = ' ';
        } else if (static_cast<unsigned char>(c) < 0x20) {
            escaped[0] = '^';
            escaped[1] = static_cast<char>(c + 64);
        }
        const std::size_t size = escaped[1] ? 2 : 1;
        if (text.size() + size > kLabelWidth) {
            ++cut;
            break;
        }
        text.append(escaped, size);
    }
    return text;
}

struct Extent {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
};

Extent extentOf(const Features& f) {
    if (f.points.empty()) return {};
    Extent e{f.points[0].X, f.points[0].Y, f.points[0].X, f.points[0].Y};
    for (const FeaturePoint& p : f.points) {
        e.minX = std::min(e.minX, p.X);
        e.maxX = std::max(e.maxX, p.X);
        e.minY = std::min(e.minY, p.Y);
        e.maxY = std::max(e.maxY, p.Y);
    }
    return e;
}

void writeHeader(DL_Dxf& dxf, TextWriter& dw, const Extent& e) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    dw.dxfString(9, "$EXTMIN");
    dw.dxfReal(10, e.minX);
    dw.dxfReal(20, e.minY);
    dw.dxfReal(30, 0.0);
    dw.dxfString(9, "$EXTMAX");
    dw.dxfReal(10, e.maxX);
    dw.dxfReal(20, e.maxY);
    dw.dxfReal(30, 0.0);
    dw.sectionEnd();
}

void writeTables(DL_Dxf& dxf, TextWriter& dw, const Features& f, double textHeight) {
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(static_cast<int>(f.lines.size()) + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::white, -1, -3, "CONTINUOUS"));
    for (const FeatureLine& line : f.lines) {
        const auto rgb = static_cast<int>(((line.colour & 0xFF) << 16) | (line.colour & 0xFF00) |
                                          ((line.colour >> 16) & 0xFF));
        dxf.writeLayer(dw, DL_LayerData(calqueDxf(line.L), 0),
                       DL_Attributes("", nearestIndex(line.colour), rgb, lineWeight(line.width),
                                     "CONTINUOUS"));
    }
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, textHeight, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, textHeight);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
    dw.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    dw.sectionEnd();
}

void writeEntities(DL_Dxf& dxf, TextWriter& dw, const Features& f, double textHeight,
                   int& cutLabels) {
    dw.sectionEntities();
    for (const FeatureLine& line : f.lines) {
        const DL_Attributes onLayer(calqueDxf(line.L), DL_Codes::bylayer, -1, -1, "BYLAYER");
        for (const Part& part : line.parts) {
            dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(part.count), 0, 0, 0), onLayer);
            for (std::size_t i = part.first; i < part.first + part.count; ++i)
                dxf.writeVertex(dw, DL_VertexData(f.points[i].X, f.points[i].Y, 0.0, 0.0));
            dxf.writePolylineEnd(dw);
        }
    }
    for (const FeaturePoint& p : f.points) {
        const DL_Attributes onLayer(calqueDxf(p.L), DL_Codes::bylayer, -1, -1, "BYLAYER");
        const double z = p.Z.value_or(0.0);
        dxf.writePoint(dw, DL_PointData(p.X, p.Y, z), onLayer);
        if (p.label.empty()) continue;
        // Beside the point, as the map shows it.
        const double x = p.X + textHeight / 2;
        dxf.writeText(dw,
                      DL_TextData(x, p.Y, z, x, p.Y, z, textHeight, 1.0, 0, 0, 0,
                                  dxfText(p.label, cutLabels), "Standard", 0.0),
                      onLayer);
    }
    dw.sectionEnd();
}

} // namespace

std::string calqueDxf(std::int32_t L) {
    return "Ligne " + std::to_string(L);
}

std::string texteDxf(const Features& f, int* cutLabels) {
    const Extent e = extentOf(f);
    // Labels a two-hundredth of the drawing: readable at full view, whatever the units.
    const double size = std::max(e.maxX - e.minX, e.maxY - e.minY);
    const double textHeight = size > 0 ? size / 200 : 1.0;
    DL_Dxf dxf;
    TextWriter dw;
    dw.text().reserve(f.points.size() * 160 + 40000);
    writeHeader(dxf, dw, e);
    writeTables(dxf, dw, f, textHeight);
    writeEntities(dxf, dw, f, textHeight, *cutLabels);
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return std::move(dw.text());
}

} // namespace tracelle::gis
