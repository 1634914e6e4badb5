// The parts of the program that bring large libraries (the GIS formats with GDAL and PROJ,
// PDF pages and metafiles with Poppler) are modules opened on their first use, so that the
// program starts without loading them. A module links its own copy of the core; the program
// exports its symbols, so that the module's calls into the core reach the program's copy and
// share its state (the language, the decimal mark, the scripted interaction).
#pragma once

#include <string>

namespace tracelle::platform {

// The address of the C function `function` of module `name` ("tracelle_gis"), the module
// opened at the first call and kept open. It is looked for in the folder TRACELLE_MODULE_DIR
// names when set (the tests), else in lib/tracelle of the program's own prefix, wherever that
// was moved. nullptr with the reason, in the user's language, when it cannot be had.
void* moduleFunction(const std::string& name, const char* function, std::string* why);

// The same, typed: moduleFunction<Table()>("tracelle_gis", "tracelle_gis_functions", &why).
template <class F>
F* moduleFunction(const std::string& name, const char* function, std::string* why) {
    return reinterpret_cast<F*>(moduleFunction(name, function, why));
}

} // namespace tracelle::platform
