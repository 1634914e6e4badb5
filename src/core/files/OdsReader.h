// The first table of an OpenDocument spreadsheet (.ods).
#pragma once

#include "files/CellGrid.h"

#include <memory>
#include <string>

namespace tracelle::files {

class ZipArchive;

// Nothing, with the reason in `error`, when the workbook cannot be read whole.
std::unique_ptr<CellGrid> readOds(const ZipArchive& zip, std::string& error);

} // namespace tracelle::files
