#include "files/Workbook.h"

#include "model/extraitUTIL.h"

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

} // namespace

std::unique_ptr<Workbook> Workbook::open(const std::string& path, std::string& error) {
    const void* handle = nullptr;
    int code = freexl_open(path.c_str(), &handle);
    unsigned int password = FREEXL_BIFF_PLAIN;
    if (code == FREEXL_OK) code = freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &password);
    if (code == FREEXL_OK && password == FREEXL_BIFF_OBFUSCATED) {
        freexl_close(handle);
        error = "le classeur est protégé par un mot de passe";
        return nullptr;
    }
    if (code == FREEXL_OK) code = freexl_select_active_worksheet(handle, 0);
    if (code != FREEXL_OK) {
        if (handle) freexl_close(handle);
        error = openFailure(code);
        return nullptr;
    }
    return std::unique_ptr<Workbook>(new Workbook(handle));
}

Workbook::~Workbook() {
    freexl_close(handle_);
}

std::string Workbook::cellText(int column, int row) const {
    if (column < 1 || column > kSheetLastColumn || row < 1) return {};
    FreeXL_CellValue v;
    if (freexl_get_cell_value(handle_, static_cast<unsigned>(row - 1),
                              static_cast<unsigned short>(column - 1), &v) != FREEXL_OK)
        return {};
    switch (v.type) {
    case FREEXL_CELL_INT:
        return std::to_string(v.value.int_value);
    case FREEXL_CELL_DOUBLE:
        // As the spreadsheet shows it: 15 significant digits.
        return model::texte_general(v.value.double_value, 15);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return v.value.text_value ? v.value.text_value : "";
    default:
        return {};
    }
}

} // namespace tracelle::files
