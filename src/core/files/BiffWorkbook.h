// The first worksheet of an Excel 97-2003 workbook (.xls), read through FreeXL.
#pragma once

#include "files/SheetCells.h"

#include <memory>
#include <string>

namespace tracelle::files {

class BiffSheet final : public SheetCells {
public:
    // Nothing, with the reason in French in `error`, when the file cannot be read.
    static std::unique_ptr<BiffSheet> open(const std::string& path, std::string& error);
    ~BiffSheet() override;
    BiffSheet(const BiffSheet&) = delete;
    BiffSheet& operator=(const BiffSheet&) = delete;

    std::string cellText(int column, int row) const override;
    int lastRow() const { return rows_; }

private:
    BiffSheet(const void* handle, int rows) : handle_(handle), rows_(rows) {}
    const void* handle_;
    int rows_;
};

} // namespace tracelle::files
