#include "files/AtomicFile.h"

#include <cerrno>
#include <cstring>

namespace tracelle::files {

namespace {

std::string reason(const std::string& what, const std::string& path, int error = errno) {
    return what + " " + path + " : " + systemReason(error);
}

} // namespace

std::string systemReason(int error) {
    switch (error) {
    case ENOSPC:
        return "disque plein";
    case EDQUOT:
        return "quota du disque dépassé";
    case EFBIG:
        return "fichier trop grand pour ce disque";
    case EACCES:
    case EPERM:
        return "accès refusé";
    case EROFS:
        return "disque en lecture seule";
    case ENOENT:
        return "fichier ou dossier introuvable";
    case ENOTDIR:
        return "chemin invalide";
    case EISDIR:
        return "c'est un dossier";
    case ENAMETOOLONG:
        return "nom trop long";
    case EIO:
        return "erreur d'entrée-sortie du disque";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    default:
        // A rare error keeps the system's own words, after its number.
        return "erreur système " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

AtomicFile::AtomicFile(std::string path)
    : path_(std::move(path)), temporary_(temporaryName(path_)) {}

AtomicFile::~AtomicFile() {
    if (file_) std::fclose(file_);
    if (!committed_) std::remove(temporary_.c_str());
}

std::FILE* AtomicFile::open(std::string* error) {
    file_ = std::fopen(temporary_.c_str(), "wb");
    if (!file_ && error) *error = reason("impossible de créer le fichier", path_);
    return file_;
}

bool AtomicFile::write(const void* bytes, std::size_t size) {
    if (writeError_) return false;
    if (std::fwrite(bytes, 1, size, file_) == size) return true;
    writeError_ = errno ? errno : EIO;
    return false;
}

std::string AtomicFile::writeFailure() const {
    return reason("écriture impossible dans le fichier", path_, writeError_ ? writeError_ : errno);
}

bool AtomicFile::commit(std::string* error) {
    if (!file_) {
        if (error) *error = "le fichier " + path_ + " n'a pas été ouvert";
        return false;
    }
    // Flushed to the system, not forced to the disk: the rename is what keeps the old file
    // whole when writing fails, and forcing every save to the disk costs more than writing it.
    const bool written = !writeError_ && std::fflush(file_) == 0 && !std::ferror(file_);
    if (!written && !writeError_) writeError_ = errno ? errno : EIO;
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (!written || closed != 0) {
        if (error) *error = writeFailure();
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
