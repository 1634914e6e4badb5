#include "files/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tracelle::files {

namespace {

std::string reason(const std::string& what, const std::string& path) {
    return what + " " + path + " : " + std::strerror(errno);
}

} // namespace

AtomicFile::AtomicFile(std::string path)
    : path_(std::move(path)), temporary_(path_ + ".~" + std::to_string(getpid())) {}

AtomicFile::~AtomicFile() {
    if (file_) std::fclose(file_);
    if (!committed_) std::remove(temporary_.c_str());
}

std::FILE* AtomicFile::open(std::string* error) {
    file_ = std::fopen(temporary_.c_str(), "wb");
    if (!file_ && error) *error = reason("impossible de créer le fichier", path_);
    return file_;
}

bool AtomicFile::commit(std::string* error) {
    if (!file_) {
        if (error) *error = "le fichier " + path_ + " n'a pas été ouvert";
        return false;
    }
    // Flushed to the system, not forced to the disk: the rename is what keeps the old file
    // whole when writing fails, and forcing every save to the disk costs more than writing it.
    const bool written = std::fflush(file_) == 0 && !std::ferror(file_);
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (!written || closed != 0) {
        if (error) *error = reason("écriture impossible dans le fichier", path_);
        return false;
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        if (error) *error = reason("impossible de remplacer le fichier", path_);
        return false;
    }
    committed_ = true;
    return true;
}

} // namespace tracelle::files
