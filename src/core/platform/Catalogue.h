// The English texts of the core and the command-line tool, generated at build time from
// translations/core_en.ts and translations/cli_en.ts, sorted by context, then French text.
#pragma once

#include <cstddef>

namespace tracelle::platform {

struct CatalogueEntry {
    const char* context;
    const char* french;
    const char* english;
};

extern const CatalogueEntry kEnglishCatalogue[];
extern const std::size_t kEnglishCatalogueSize;

} // namespace tracelle::platform
