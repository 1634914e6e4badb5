// A workbook of the format named by WORKBOOK_EXTENSION: every cell of columns A to Z read, and
// its rows imported as points.
#include "CalibratedProject.h"
#include "FuzzFile.h"
#include "files/PointImport.h"
#include "files/Workbook.h"

#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
#include <csignal>
#include <pthread.h>
#include <sanitizer/common_interface_defs.h>

// FreeXL reads .xls files in a process of its own, which is how the program survives FreeXL's
// over-reads: a reading process that dies there must not end the run as a finding of ours. Its
// sanitizer report still shows in the log.
static const bool readingProcessQuiet = [] {
    pthread_atfork(nullptr, nullptr, [] {
        __sanitizer_set_death_callback(nullptr);
        std::signal(SIGABRT, SIG_DFL);
        std::signal(SIGILL, SIG_DFL);
    });
    return true;
}();
#endif

using namespace tracelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto book =
        files::Workbook::open(fuzz::writeInput(data, size, WORKBOOK_EXTENSION), error);
    if (!book) return 0;
    for (int row = 1; row <= book->lastRow(); ++row)
        for (int column = 1; column <= files::kSheetLastColumn; ++column)
            (void)book->cellText(column, row);
    model::Project project;
    fuzz::calibrate(project);
    (void)files::ajoutePointsTableur(project, *book, files::SheetColumns{3, 1, 2, 12, 1});
    return 0;
}
