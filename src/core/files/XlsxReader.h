// The first worksheet of an Office Open XML workbook (.xlsx, .xlsm), in tab order.
#pragma once

#include "files/CellGrid.h"

#include <memory>
#include <string>

namespace tracelle::files {

class ZipArchive;

// Nothing, with the reason in `error`, when the workbook cannot be read whole.
std::unique_ptr<CellGrid> readXlsx(const ZipArchive& zip, std::string& error);

} // namespace tracelle::files
