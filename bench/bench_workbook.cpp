// Reading every cell of a 100,000-row, 4-column workbook (X, Y, a label, Z) as the import
// reads it, against inflating the same sheet's XML and scanning it once with expat doing
// nothing. The same import from .ods and .csv, and from .xls, whose format stops at 65,536
// rows, is reported beside it (rows per second compare them).
#include "BenchFolder.h"
#include "RatioReporter.h"
#include "files/Workbook.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <expat.h>
#include <fstream>
#include <string>
#include <vector>
#include <zip.h>

using namespace tracelle;

namespace {

constexpr int kRows = 100000;
constexpr int kXlsRows = 65535;
const char* const kSheetMember = "xl/worksheets/sheet1.xml";

std::string path(const char* name) {
    return (bench::benchFolder() / name).string();
}

void writeZip(const std::string& file,
              const std::vector<std::pair<std::string, std::string>>& members) {
    int error = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& [name, data] : members) {
        zip_source_t* source = zip_source_buffer(zip, data.data(), data.size(), 0);
        const zip_int64_t index = zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE);
        if (name == "mimetype")
            zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    zip_close(zip);
}

double x(int i) {
    return i * 0.5 + 0.125;
}
double y(int i) {
    return i * 0.25 + 1000.75;
}
double z(int i) {
    return (i % 1000) + 0.5;
}

const std::string& xlsxFile() {
    static const std::string file = [] {
        const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
        const std::string rel =
            "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
        std::string sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"" + main +
                            "\"><sheetData>";
        std::string strings =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"" + main + "\">";
        for (int i = 0; i < kRows; ++i) {
            const std::string r = std::to_string(i + 1);
            sheet += "<row r=\"" + r + "\"><c r=\"A" + r + "\"><v>" + std::to_string(x(i)) +
                     "</v></c><c r=\"B" + r + "\"><v>" + std::to_string(y(i)) + "</v></c><c r=\"C" +
                     r + "\" t=\"s\"><v>" + std::to_string(i) + "</v></c><c r=\"D" + r + "\"><v>" +
                     std::to_string(z(i)) + "</v></c></row>";
            strings += "<si><t>borne " + r + "</t></si>";
        }
        sheet += "</sheetData></worksheet>";
        strings += "</sst>";
        const std::string workbook =
            "<?xml version=\"1.0\"?><workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel +
            "\"><sheets><sheet name=\"Points\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
        const std::string pkg = "http://schemas.openxmlformats.org/package/2006/relationships";
        const std::string rels =
            "<?xml version=\"1.0\"?><Relationships xmlns=\"" + pkg +
            "\"><Relationship Id=\"rId1\" Type=\"" + rel +
            "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
            rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";
        const std::string p = path("points.xlsx");
        writeZip(p, {{"xl/workbook.xml", workbook},
                     {"xl/_rels/workbook.xml.rels", rels},
                     {"xl/sharedStrings.xml", strings},
                     {kSheetMember, sheet}});
        return p;
    }();
    return file;
}

const std::string& odsFile() {
    static const std::string file = [] {
        std::string content = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
                              "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                              "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                              "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><"
                              "office:body><office:spreadsheet>"
                              "<table:table table:name=\"Points\">";
        const auto number = [&content](double v) {
            const std::string s = std::to_string(v);
            content += "<table:table-cell office:value-type=\"float\" office:value=\"" + s +
                       "\"><text:p>" + s + "</text:p></table:table-cell>";
        };
        for (int i = 0; i < kRows; ++i) {
            content += "<table:table-row>";
            number(x(i));
            number(y(i));
            content += "<table:table-cell office:value-type=\"string\"><text:p>borne " +
                       std::to_string(i + 1) + "</text:p></table:table-cell>";
            number(z(i));
            content += "</table:table-row>";
        }
        content += "</table:table></office:spreadsheet></office:body></office:document-content>";
        const std::string p = path("points.ods");
        writeZip(p, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                     {"content.xml", content}});
        return p;
    }();
    return file;
}

const std::string& csvFile() {
    static const std::string file = [] {
        const std::string p = path("points.csv");
        std::ofstream out(p, std::ios::binary);
        for (int i = 0; i < kRows; ++i)
            out << x(i) << ';' << y(i) << ";borne " << i + 1 << ';' << z(i) << "\r\n";
        return p;
    }();
    return file;
}

// Written by xlwt (Debian's python3-xlwt, under Debian's own Python); empty if absent.
const std::string& xlsFile() {
    static const std::string file = [] {
        const std::string p = path("points.xls");
        const std::string script =
            "import sys, xlwt\n"
            "b = xlwt.Workbook(); s = b.add_sheet('Points')\n"
            "for i in range(" +
            std::to_string(kXlsRows) +
            "):\n"
            "    s.write(i, 0, i * 0.5 + 0.125); s.write(i, 1, i * 0.25 + 1000.75)\n"
            "    s.write(i, 2, 'borne %d' % (i + 1)); s.write(i, 3, i % 1000 + 0.5)\n"
            "b.save(sys.argv[1])\n";
        const std::string py = path("make_xls.py");
        std::ofstream(py) << script;
        const std::string command = "/usr/bin/python3 '" + py + "' '" + p + "'";
        return std::system(command.c_str()) == 0 ? p : std::string();
    }();
    return file;
}

// The import's reading: the workbook opened, then the four cells of every row as text.
void readAll(benchmark::State& state, const std::string& file, int rows) {
    if (file.empty()) {
        state.SkipWithError("no workbook");
        return;
    }
    for (auto _ : state) {
        std::string error;
        const auto book = files::Workbook::open(file, error);
        if (!book) {
            state.SkipWithError(error.c_str());
            return;
        }
        std::size_t bytes = 0;
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= 4; ++column)
                bytes += book->cellText(column, row).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void ReadXlsx100k(benchmark::State& state) {
    readAll(state, xlsxFile(), kRows);
}
BENCHMARK(ReadXlsx100k)->Unit(benchmark::kMillisecond);

void ReadOds100k(benchmark::State& state) {
    readAll(state, odsFile(), kRows);
}
BENCHMARK(ReadOds100k)->Unit(benchmark::kMillisecond);

void ReadCsv100k(benchmark::State& state) {
    readAll(state, csvFile(), kRows);
}
BENCHMARK(ReadCsv100k)->Unit(benchmark::kMillisecond);

void ReadXls65k(benchmark::State& state) {
    readAll(state, xlsFile(), kXlsRows);
}
BENCHMARK(ReadXls65k)->Unit(benchmark::kMillisecond);

// The least any reader of the sheet does: inflate its XML and let expat scan it.
void UnzipAndScanSheet(benchmark::State& state) {
    const std::string& file = xlsxFile();
    for (auto _ : state) {
        zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, nullptr);
        zip_file_t* member = zip_fopen(zip, kSheetMember, 0);
        XML_Parser parser = XML_ParserCreate(nullptr);
        for (bool last = false; !last;) {
            void* buffer = XML_GetBuffer(parser, 1 << 16);
            const zip_int64_t n = zip_fread(member, buffer, 1 << 16);
            last = n <= 0;
            XML_ParseBuffer(parser, static_cast<int>(std::max<zip_int64_t>(n, 0)), last);
        }
        XML_ParserFree(parser);
        zip_fclose(member);
        zip_discard(zip);
    }
}
BENCHMARK(UnzipAndScanSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithRatios(argc, argv, {{"ReadXlsx100k", "UnzipAndScanSheet", 3.0}});
}
