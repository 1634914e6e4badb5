// The first worksheet of an Excel 97-2003 workbook (.xls), read through FreeXL.
#pragma once

#include "files/CellGrid.h"

#include <memory>
#include <string>

namespace tracelle::files {

// Nothing, with the reason in `error`, when the file cannot be read.
std::unique_ptr<CellGrid> readXls(const std::string& path, std::string& error);

} // namespace tracelle::files
