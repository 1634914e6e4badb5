// The project file: its first line, canvas, counts and tables, the comma text of every row, and
// the tables applied to a project as opening, importing calibration values and completing do.
#include "CalibratedProject.h"
#include "FuzzFile.h"
#include "files/CommaText.h"
#include "files/ProjectFile.h"

using namespace tracelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::writeInput(data, size, "trc");
    std::string error;
    if (auto read = files::lisProjet(path, error)) {
        model::Project project;
        fuzz::calibrate(project);
        files::importeValeursCalage(project, read->tables);
        files::completePoints(project, read->tables);
    }
    model::Project opened;
    files::chargeProjetSansImage(path, opened);

    std::vector<std::string> cells;
    std::string_view rest = fuzz::text(data, size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        cells.clear();
        files::appendDecodedRow(rest.substr(0, end), cells, 9);
        (void)files::encodeRow(cells);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return 0;
}
