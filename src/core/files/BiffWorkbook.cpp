#include "files/BiffWorkbook.h"

#include "files/SerialDate.h"
#include "files/TextFile.h"
#include "files/ZipArchive.h"

#include <freexl.h>

namespace tracelle::files {

namespace {

std::string openFailure(int code) {
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return "le fichier est introuvable ou illisible";
    case FREEXL_INSUFFICIENT_MEMORY:
        return "mémoire insuffisante";
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return "le fichier ne contient pas de classeur Excel";
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
        return "ce n'est pas un classeur Excel 97-2003 (*.xls)";
    default:
        return "le classeur est endommagé ou d'un format non reconnu";
    }
}

// A password-protected .xlsx is a compound file holding an "EncryptedPackage" stream, whose
// name the directory spells in UTF-16.
bool holdsEncryptedPackage(const std::string& path) {
    const auto bytes = readBytesFile(path, nullptr);
    static const std::string name = [] {
        std::string utf16;
        for (const char c : std::string_view("EncryptedPackage")) {
            utf16 += c;
            utf16 += '\0';
        }
        return utf16;
    }();
    return bytes && bytes->find(name) != std::string::npos;
}

} // namespace

std::unique_ptr<BiffSheet> BiffSheet::open(const std::string& path, std::string& error) {
    const void* handle = nullptr;
    int code = freexl_open(path.c_str(), &handle);
    unsigned int password = FREEXL_BIFF_PLAIN;
    if (code == FREEXL_OK) code = freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &password);
    if (code == FREEXL_OK && password == FREEXL_BIFF_OBFUSCATED) {
        freexl_close(handle);
        error = encryptedWorkbook();
        return nullptr;
    }
    if (code == FREEXL_OK) code = freexl_select_active_worksheet(handle, 0);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (code == FREEXL_OK) code = freexl_worksheet_dimensions(handle, &rows, &columns);
    if (code != FREEXL_OK) {
        if (handle) freexl_close(handle);
        error = code == FREEXL_BIFF_WORKBOOK_NOT_FOUND && holdsEncryptedPackage(path)
                    ? encryptedWorkbook()
                    : openFailure(code);
        return nullptr;
    }
    return std::unique_ptr<BiffSheet>(new BiffSheet(handle, static_cast<int>(rows)));
}

BiffSheet::~BiffSheet() {
    freexl_close(handle_);
}

std::string BiffSheet::cellText(int column, int row) const {
    if (column < 1 || column > kSheetLastColumn || row < 1) return {};
    FreeXL_CellValue v;
    if (freexl_get_cell_value(handle_, static_cast<unsigned>(row - 1),
                              static_cast<unsigned short>(column - 1), &v) != FREEXL_OK)
        return {};
    switch (v.type) {
    case FREEXL_CELL_INT:
        return shownNumber(v.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return shownNumber(v.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return v.value.text_value ? v.value.text_value : "";
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: {
        // FreeXL writes out the serial number the cell holds; it is given back, as the other
        // formats give it.
        if (!v.value.text_value) return {};
        std::string iso = v.value.text_value;
        if (v.type == FREEXL_CELL_TIME) iso = "1899-12-30T" + iso;
        if (iso.size() > 10) iso[10] = 'T';
        const auto serial = serialDay(iso, kBase1900);
        return serial ? shownNumber(*serial) : v.value.text_value;
    }
    default:
        return {};
    }
}

} // namespace tracelle::files
