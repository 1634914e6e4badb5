// The cells of the first worksheet of an ".xls" workbook, read as text.
#pragma once

#include "files/SheetCells.h"

#include <memory>
#include <string>

namespace tracelle::files {

class Workbook final : public SheetCells {
public:
    // Nothing, with the reason in French in `error`, when the file cannot be read.
    static std::unique_ptr<Workbook> open(const std::string& path, std::string& error);
    ~Workbook() override;
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    std::string cellText(int column, int row) const override;

private:
    explicit Workbook(const void* handle) : handle_(handle) {}
    const void* handle_;
};

} // namespace tracelle::files
