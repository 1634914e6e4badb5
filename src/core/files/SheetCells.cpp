#include "files/SheetCells.h"

#include "model/NumberText.h"

namespace tracelle::files {

std::string shownNumber(double value) {
    return model::texte_general(value, 15);
}

} // namespace tracelle::files
