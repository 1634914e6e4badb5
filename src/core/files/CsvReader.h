// Cells of a text separated by tabs, ";" or "," (.csv, .tsv, .txt), read as a spreadsheet opens
// it: numbers become numbers, whichever decimal mark they use.
#pragma once

#include "files/CellGrid.h"

#include <memory>
#include <string>
#include <string_view>

namespace tracelle::files {

// The separator is the first that a line holds outside quotes: the tab, else ";", else ",".
// Nothing, with the reason in `error`, when the bytes are not such a text.
std::unique_ptr<CellGrid> readCsv(std::string_view bytes, std::string& error);

} // namespace tracelle::files
