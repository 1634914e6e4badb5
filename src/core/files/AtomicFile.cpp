#include "files/AtomicFile.h"

#include "platform/Language.h"

#include <cerrno>
#include <cstring>

namespace tracelle::files {

namespace {

// `what` names the file with %1 and the system's reason with %2.
std::string reason(const char* what, const std::string& path, int error = errno) {
    return platform::fill(what, {path, systemReason(error)});
}

} // namespace

std::string systemReason(int error) {
    switch (error) {
    case ENOSPC:
        return platform::translate("AtomicFile", "disque plein");
    case EDQUOT:
        return platform::translate("AtomicFile", "quota du disque dépassé");
    case EFBIG:
        return platform::translate("AtomicFile", "fichier trop grand pour ce disque");
    case EACCES:
    case EPERM:
        return platform::translate("AtomicFile", "accès refusé");
    case EROFS:
        return platform::translate("AtomicFile", "disque en lecture seule");
    case ENOENT:
        return platform::translate("AtomicFile", "fichier ou dossier introuvable");
    case ENOTDIR:
        return platform::translate("AtomicFile", "chemin invalide");
    case EISDIR:
        return platform::translate("AtomicFile", "c'est un dossier");
    case ENAMETOOLONG:
        return platform::translate("AtomicFile", "nom trop long");
    case EIO:
        return platform::translate("AtomicFile", "erreur d'entrée-sortie du disque");
    case EMFILE:
    case ENFILE:
        return platform::translate("AtomicFile", "trop de fichiers ouverts");
    default:
        // A rare error keeps the system's own words, after its number.
        return platform::fill(platform::translate("AtomicFile", "erreur système %1 (%2)"),
                              {std::to_string(error), std::strerror(error)});
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
    if (!file_ && error)
        *error = reason(platform::translate("AtomicFile", "impossible de créer le fichier %1 : %2"),
                        path_);
    return file_;
}

bool AtomicFile::write(const void* bytes, std::size_t size) {
    if (writeError_) return false;
    if (std::fwrite(bytes, 1, size, file_) == size) return true;
    writeError_ = errno ? errno : EIO;
    return false;
}

std::string AtomicFile::writeFailure() const {
    return reason(platform::translate("AtomicFile", "écriture impossible dans le fichier %1 : %2"),
                  path_, writeError_ ? writeError_ : errno);
}

bool AtomicFile::commit(std::string* error) {
    if (!file_) {
        if (error)
            *error = platform::fill(
                platform::translate("AtomicFile", "le fichier %1 n'a pas été ouvert"), {path_});
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
        if (error)
            *error = reason(
                platform::translate("AtomicFile", "impossible de remplacer le fichier %1 : %2"),
                path_);
        return false;
    }
    committed_ = true;
    return true;
}

} // namespace tracelle::files
