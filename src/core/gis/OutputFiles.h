// The files of one export written together: a shapefile is several files that GIS programs
// read as one, so they all appear or none does.
#pragma once

#include <string>
#include <vector>

namespace tracelle::gis {

struct OutputFile {
    std::string path;
    std::string bytes;
};

// Every file to a temporary beside it; only when all are written and flushed are they renamed
// over their targets. Should one rename fail, the targets already replaced get their previous
// files back. Then the `stale` files, left by an earlier export and no part of this one, are
// removed. "" or the reason.
std::string ecritEnsemble(const std::vector<OutputFile>& files,
                          const std::vector<std::string>& stale = {});

} // namespace tracelle::gis
