#include "files/Workbook.h"

#include "files/BiffWorkbook.h"
#include "files/CsvReader.h"
#include "files/TextFile.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <filesystem>
#include <fstream>

namespace tracelle::files {

namespace {

enum class Container { Unreadable, Empty, Compound, Zip, Text };

Container containerOf(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return Container::Unreadable;
    std::ifstream in(path, std::ios::binary);
    char head[8] = {};
    in.read(head, sizeof head);
    if (!in && !in.eof()) return Container::Unreadable;
    const std::string_view bytes(head, static_cast<std::size_t>(in.gcount()));
    if (bytes.empty()) return Container::Empty;
    if (bytes == std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
        return Container::Compound;
    if (bytes.substr(0, 4) == "PK\x03\x04" || bytes.substr(0, 4) == "PK\x05\x06")
        return Container::Zip;
    return Container::Text;
}

std::unique_ptr<CellGrid> readText(const std::string& path, std::string& error) {
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) > (std::uintmax_t{1} << 30)) {
        error = platform::translate("Workbook", "le fichier dépasse 1 Go");
        return nullptr;
    }
    const auto bytes = readBytesFile(path, &error);
    return bytes ? readCsv(*bytes, error) : nullptr;
}

} // namespace

std::unique_ptr<Workbook> Workbook::open(const std::string& path, std::string& error,
                                         ZipReader readZip) {
    std::unique_ptr<CellGrid> grid;
    switch (containerOf(path)) {
    case Container::Unreadable:
        error = platform::translate("Workbook", "le fichier est introuvable ou illisible");
        return nullptr;
    case Container::Empty:
        error = platform::translate("Workbook", "le fichier est vide");
        return nullptr;
    case Container::Compound:
        grid = readXls(path, error);
        break;
    case Container::Zip:
        grid = readZip(path, error);
        break;
    case Container::Text:
        grid = readText(path, error);
        break;
    }
    if (!grid) return nullptr;
    const int rows = grid->lastRow();
    return std::unique_ptr<Workbook>(new Workbook(std::move(grid), rows));
}

bool Workbook::isWorkbookFile(const std::string& path) {
    const Container container = containerOf(path);
    if (container == Container::Compound || container == Container::Zip) return true;
    const std::string ext = model::minuscules(std::filesystem::path(path).extension().string());
    return ext == ".xls" || ext == ".xlsx" || ext == ".xlsm" || ext == ".ods" || ext == ".csv";
}

std::string Workbook::cellText(int column, int row) const {
    return sheet_->cellText(column, row);
}

} // namespace tracelle::files
