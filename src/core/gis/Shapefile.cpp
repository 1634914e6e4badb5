#include "gis/Shapefile.h"

#include "files/Cp1252.h"
#include "gis/Number.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <shapefil.h>

namespace tracelle::gis {

namespace {

// shapelib opens its files by name only, with no room for a caller's pointer, and reopens
// them while it writes: the files it makes live in this folder of the export under way.
struct MemoryFile {
    std::string bytes;
    std::size_t at = 0;
};
thread_local std::map<std::string, MemoryFile>* memoryFolder = nullptr;

MemoryFile& fileOf(SAFile f) {
    return *reinterpret_cast<MemoryFile*>(f);
}

SAFile memoryOpen(const char* name, const char* access) {
    auto found = memoryFolder->find(name);
    if (std::strchr(access, 'w'))
        found = memoryFolder->insert_or_assign(name, MemoryFile{}).first;
    else if (found == memoryFolder->end())
        return nullptr;
    found->second.at = 0;
    return reinterpret_cast<SAFile>(&found->second);
}

SAOffset memoryRead(void* p, SAOffset size, SAOffset count, SAFile f) {
    MemoryFile& file = fileOf(f);
    const std::size_t left = file.at < file.bytes.size() ? file.bytes.size() - file.at : 0;
    const SAOffset whole = size == 0 ? 0 : std::min<SAOffset>(count, left / size);
    std::memcpy(p, file.bytes.data() + file.at, whole * size);
    file.at += whole * size;
    return whole;
}

SAOffset memoryWrite(void* p, SAOffset size, SAOffset count, SAFile f) {
    MemoryFile& file = fileOf(f);
    const std::size_t length = size * count;
    if (file.bytes.size() < file.at + length) file.bytes.resize(file.at + length);
    std::memcpy(file.bytes.data() + file.at, p, length);
    file.at += length;
    return count;
}

SAOffset memorySeek(SAFile f, SAOffset offset, int whence) {
    MemoryFile& file = fileOf(f);
    const std::size_t from = whence == SEEK_CUR   ? file.at
                             : whence == SEEK_END ? file.bytes.size()
                                                  : 0;
    file.at = from + offset;
    return 0;
}

SAOffset memoryTell(SAFile f) {
    return fileOf(f).at;
}

int memoryDone(SAFile) {
    return 0;
}

int memoryRemove(const char* name) {
    memoryFolder->erase(name);
    return 0;
}

void memoryError(const char*) {}

double memoryAtof(const char* text) {
    return std::strtod(text, nullptr);
}

SAHooks memoryHooks() {
    SAHooks hooks;
    hooks.FOpen = memoryOpen;
    hooks.FRead = memoryRead;
    hooks.FWrite = memoryWrite;
    hooks.FSeek = memorySeek;
    hooks.FTell = memoryTell;
    hooks.FFlush = memoryDone;
    hooks.FClose = memoryDone;
    hooks.Remove = memoryRemove;
    hooks.Error = memoryError;
    hooks.Atof = memoryAtof;
    return hooks;
}

// Windows-1252, told to GIS programs by the language driver byte rather than by a fifth file.
constexpr const char* kCodePage = "LDID/3";
// Below 10 digits GIS programs read a 32-bit integer.
constexpr int kIntegerWidth = 9;
constexpr int kRealWidth = 24, kRealDecimals = 10;

// shapelib formats numbers with snprintf, which costs more than all the rest of the export:
// they are written ready-made, right-aligned as dBASE keeps them.
void writeInteger(DBFHandle dbf, int record, int field, std::int64_t value) {
    std::string text;
    appendInteger(text, value);
    if (text.size() > kIntegerWidth) {
        DBFWriteIntegerAttribute(dbf, record, field, static_cast<int>(value));
        return;
    }
    text.insert(0, kIntegerWidth - text.size(), ' ');
    DBFWriteAttributeDirectly(dbf, record, field, text.data());
}

void writeReal(DBFHandle dbf, int record, int field, double value) {
    std::string text;
    if (appendFixed(text, value, kRealDecimals, kRealWidth))
        DBFWriteAttributeDirectly(dbf, record, field, text.data());
    else
        DBFWriteDoubleAttribute(dbf, record, field, value);
}

void writeLines(const Features& f, SAHooks& hooks) {
    SHPHandle shp = SHPCreateLL("lignes", SHPT_ARC, &hooks);
    DBFHandle dbf = DBFCreateLL("lignes", kCodePage, &hooks);
    const int fL = DBFAddField(dbf, "L", FTInteger, kIntegerWidth, 0);
    const int fWidth =
        DBFAddField(dbf, files::utf8ToCp1252("épaisseur").c_str(), FTInteger, kIntegerWidth, 0);
    const int fColour = DBFAddField(dbf, "couleur", FTString, 7, 0);
    std::vector<double> x, y;
    std::vector<int> starts;
    int record = 0;
    for (const FeatureLine& line : f.lines) {
        if (line.parts.empty()) continue;
        x.clear();
        y.clear();
        starts.clear();
        for (const Part& part : line.parts) {
            starts.push_back(static_cast<int>(x.size()));
            for (std::size_t i = part.first; i < part.first + part.count; ++i) {
                x.push_back(f.points[i].X);
                y.push_back(f.points[i].Y);
            }
        }
        SHPObject* shape =
            SHPCreateObject(SHPT_ARC, -1, static_cast<int>(starts.size()), starts.data(), nullptr,
                            static_cast<int>(x.size()), x.data(), y.data(), nullptr, nullptr);
        SHPWriteObject(shp, -1, shape);
        SHPDestroyObject(shape);
        writeInteger(dbf, record, fL, line.L);
        writeInteger(dbf, record, fWidth, line.width);
        DBFWriteStringAttribute(dbf, record, fColour, couleurHtml(line.colour).c_str());
        ++record;
    }
    SHPClose(shp);
    DBFClose(dbf);
}

// How many labels were cut.
int writePoints(const Features& f, SAHooks& hooks) {
    std::vector<std::string> labels;
    labels.reserve(f.points.size());
    std::size_t widest = 1;
    int cut = 0;
    for (const FeaturePoint& p : f.points) {
        labels.push_back(files::utf8ToCp1252(p.label));
        if (labels.back().size() > kLabelWidth) {
            labels.back().resize(kLabelWidth);
            ++cut;
        }
        widest = std::max(widest, labels.back().size());
    }
    SHPHandle shp = SHPCreateLL("points", SHPT_POINT, &hooks);
    DBFHandle dbf = DBFCreateLL("points", kCodePage, &hooks);
    const int fN = DBFAddField(dbf, "n", FTInteger, kIntegerWidth, 0);
    const int fL = DBFAddField(dbf, "L", FTInteger, kIntegerWidth, 0);
    const int fLabel = DBFAddField(dbf, files::utf8ToCp1252("Libellé").c_str(), FTString,
                                   static_cast<int>(widest), 0);
    const int fZ = DBFAddField(dbf, "Z", FTDouble, kRealWidth, kRealDecimals);
    for (std::size_t i = 0; i < f.points.size(); ++i) {
        const FeaturePoint& p = f.points[i];
        SHPObject* shape = SHPCreateSimpleObject(SHPT_POINT, 1, &p.X, &p.Y, nullptr);
        SHPWriteObject(shp, -1, shape);
        SHPDestroyObject(shape);
        const int record = static_cast<int>(i);
        writeInteger(dbf, record, fN, p.n);
        writeInteger(dbf, record, fL, p.L);
        DBFWriteStringAttribute(dbf, record, fLabel, labels[i].c_str());
        if (p.Z)
            writeReal(dbf, record, fZ, *p.Z);
        else
            DBFWriteNULLAttribute(dbf, record, fZ);
    }
    SHPClose(shp);
    DBFClose(dbf);
    return cut;
}

std::string withoutShp(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".shp" ? path.substr(0, dot) : path;
}

} // namespace

ShapefileNames nomsShapefile(const std::string& chosen) {
    const std::string base = withoutShp(chosen);
    return {base + ".shp", base + "_points.shp"};
}

std::string compagnon(const std::string& shp, const char* extension) {
    return shp.substr(0, shp.size() - 3) + extension;
}

ShapefileFiles fichiersShapefile(const Features& f, const std::string& prj,
                                 const ShapefileNames& names) {
    std::map<std::string, MemoryFile> folder;
    memoryFolder = &folder;
    SAHooks hooks = memoryHooks();
    writeLines(f, hooks);
    ShapefileFiles made;
    made.cutLabels = writePoints(f, hooks);
    memoryFolder = nullptr;
    std::vector<OutputFile>& out = made.files;
    for (const auto& [layer, shp] :
         {std::pair{"lignes", &names.lines}, {"points", &names.points}}) {
        for (const char* extension : {"shp", "shx", "dbf"})
            out.push_back({compagnon(*shp, extension),
                           std::move(folder[std::string(layer) + "." + extension].bytes)});
        if (!prj.empty()) out.push_back({compagnon(*shp, "prj"), prj});
    }
    return made;
}

} // namespace tracelle::gis
