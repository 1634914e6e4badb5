#include "gis/OutputFiles.h"

#include "files/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace tracelle::gis {

namespace fs = std::filesystem;

namespace {

// A target as it was before the renames: a second name for its file (a hard link, which
// leaves the target itself untouched) when it had one.
struct Previous {
    std::string target, kept;
    bool existed;
};

Previous keep(const std::string& target) {
    std::error_code ec;
    const bool existed = fs::exists(fs::symlink_status(target, ec));
    std::string kept = target + ".~ancien" + std::to_string(getpid());
    fs::remove(kept, ec);
    fs::create_hard_link(target, kept, ec);
    return {target, existed && !ec ? kept : std::string(), existed};
}

void putBack(const Previous& p) {
    if (!p.kept.empty())
        std::rename(p.kept.c_str(), p.target.c_str());
    else if (!p.existed)
        std::remove(p.target.c_str());
}

} // namespace

std::string ecritEnsemble(const std::vector<OutputFile>& files,
                          const std::vector<std::string>& stale) {
    std::vector<std::unique_ptr<files::AtomicFile>> pending;
    std::string error;
    for (const OutputFile& file : files) {
        auto& atomic = pending.emplace_back(std::make_unique<files::AtomicFile>(file.path));
        std::FILE* f = atomic->open(&error);
        if (!f) return error;
        // Flushed here, so that a full disk shows before the first rename, not after it.
        if (!atomic->write(file.bytes.data(), file.bytes.size())) return atomic->writeFailure();
        if (std::fflush(f) != 0) return atomic->writeFailure();
    }
    std::vector<Previous> previous;
    for (const OutputFile& file : files)
        previous.push_back(keep(file.path));
    std::size_t committed = 0;
    while (committed < pending.size() && pending[committed]->commit(&error))
        ++committed;
    for (std::size_t i = 0; i < previous.size(); ++i) {
        if (committed < pending.size() && i < committed) putBack(previous[i]);
        if (!previous[i].kept.empty()) std::remove(previous[i].kept.c_str());
    }
    if (committed < pending.size()) return error;
    for (const std::string& path : stale)
        std::remove(path.c_str());
    return {};
}

} // namespace tracelle::gis
