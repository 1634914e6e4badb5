// The workbooks held in zip archives, apart from the others: opening them links the zip and
// XML libraries.
#include "files/OdsReader.h"
#include "files/Workbook.h"
#include "files/XlsxReader.h"
#include "files/ZipArchive.h"
#include "platform/Language.h"

namespace tracelle::files {

namespace {

std::unique_ptr<CellGrid> readZip(const std::string& path, std::string& error) {
    const auto zip = ZipArchive::open(path, error);
    if (!zip) return nullptr;
    if (zip->has("xl/workbook.xml")) return readXlsx(*zip, error);
    if (zip->has("content.xml")) return readOds(*zip, error);
    error = zip->has("xl/workbook.bin")
                ? platform::translate("Workbook",
                                      "les classeurs Excel binaires (*.xlsb) ne sont pas lus")
                : platform::translate("Workbook",
                                      "l'archive ne contient pas de classeur (*.xlsx, *.ods)");
    return nullptr;
}

} // namespace

std::unique_ptr<Workbook> Workbook::open(const std::string& path, std::string& error) {
    return open(path, error, readZip);
}

} // namespace tracelle::files
