// The cells of the first worksheet of a workbook, read as text: Excel 97-2003 (.xls), Office
// Open XML (.xlsx), OpenDocument (.ods), or a text of separated values (.csv). The format is
// told by the file's content, never by its name.
#pragma once

#include "files/CellGrid.h"
#include "platform/Language.h"

#include <memory>
#include <string>

namespace tracelle::files {

// The first entry of the open dialogs' filters; translate("Workbook", …) it where shown.
inline constexpr const char* kWorkbookFilter =
    QT_TRANSLATE_NOOP("Workbook", "Classeurs (*.xls *.xlsx *.ods *.csv)|*.xls;*.xlsx;*.ods;*.csv");

class Workbook final : public SheetCells {
public:
    // Nothing, with the reason in `error`, when the file cannot be read whole:
    // nothing of a damaged or hostile file is ever read in part.
    static std::unique_ptr<Workbook> open(const std::string& path, std::string& error);
    // The same with the reader of the workbooks held in zip archives (.xlsx, .ods) given: a
    // program that calls only this one links neither the zip nor the XML library.
    using ZipReader = std::unique_ptr<CellGrid> (*)(const std::string& path, std::string& error);
    static std::unique_ptr<Workbook> open(const std::string& path, std::string& error,
                                          ZipReader readZip);
    // Whether a file given for points is a workbook rather than a text of "X Y label" lines:
    // a binary workbook by its content, a text by its name (.csv and the workbook names).
    static bool isWorkbookFile(const std::string& path);

    std::string cellText(int column, int row) const override;
    // The last row that holds a cell; 0 for an empty sheet.
    int lastRow() const { return lastRow_; }

private:
    Workbook(std::unique_ptr<SheetCells> sheet, int lastRow)
        : sheet_(std::move(sheet)), lastRow_(lastRow) {}
    std::unique_ptr<SheetCells> sheet_;
    int lastRow_;
};

} // namespace tracelle::files
