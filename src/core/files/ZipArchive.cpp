#include "files/ZipArchive.h"

#include "files/CellGrid.h"
#include "platform/Language.h"

#include <fstream>
#include <zip.h>

namespace tracelle::files {

std::string damagedArchive() {
    return platform::translate("ZipArchive", "l'archive du classeur est endommagée");
}

namespace {

// What libzip's refusal means to the user, the file itself being there.
std::string reasonOf(int code) {
    switch (code) {
    case ZIP_ER_MEMORY:
        return platform::translate("ZipArchive", "mémoire insuffisante");
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
        return encryptedWorkbook();
    default:
        return damagedArchive();
    }
}

std::string bytesText(std::uint64_t n) {
    if (n % (1u << 30) == 0)
        return platform::fill(platform::translate("ZipArchive", "%1 Go"),
                              {std::to_string(n >> 30)});
    if (n % (1u << 20) == 0)
        return platform::fill(platform::translate("ZipArchive", "%1 Mo"),
                              {std::to_string(n >> 20)});
    return platform::fill(platform::translate("ZipArchive", "%1 octets"), {std::to_string(n)});
}

class Member final : public ByteSource {
public:
    Member(zip_file_t* file, std::uint64_t size) : file_(file), size_(size) {}
    ~Member() override { zip_fclose(file_); }
    Member(const Member&) = delete;
    Member& operator=(const Member&) = delete;

    std::int64_t read(char* into, std::size_t size) override {
        const zip_int64_t n = zip_fread(file_, into, size);
        if (n < 0) return fail(reasonOf(zip_error_code_zip(zip_file_get_error(file_))));
        read_ += static_cast<std::uint64_t>(n);
        // The inflated bytes are held to the size that passed the limits, whatever the
        // compressed stream would give.
        if (read_ > size_ || (n == 0 && read_ != size_)) return fail(damagedArchive());
        return n;
    }
    const std::string& error() const override { return error_; }

private:
    std::int64_t fail(std::string reason) {
        error_ = std::move(reason);
        return -1;
    }
    zip_file_t* file_;
    std::uint64_t size_;
    std::uint64_t read_ = 0;
    std::string error_;
};

} // namespace

std::unique_ptr<ZipArchive> ZipArchive::open(const std::string& path, std::string& error,
                                             ZipLimits limits) {
    // Without ZIP_CHECKCONS: its header comparisons refuse archives that common tools write,
    // while every member read is still checked by its checksum.
    int code = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (!zip) {
        // libzip also says it cannot open a file whose directory announces data that are not
        // there (a size of 0xFFFFFFFF without its ZIP64 field): the file itself tells which.
        const bool unreadable = (code == ZIP_ER_OPEN || code == ZIP_ER_NOENT) &&
                                !std::ifstream(path, std::ios::binary).good();
        error = unreadable
                    ? platform::translate("ZipArchive", "le fichier est introuvable ou illisible")
                    : reasonOf(code);
        return nullptr;
    }
    return std::unique_ptr<ZipArchive>(new ZipArchive(zip, limits));
}

ZipArchive::~ZipArchive() {
    zip_discard(zip_);
}

bool ZipArchive::has(const std::string& name) const {
    return zip_name_locate(zip_, name.c_str(), ZIP_FL_NOCASE) >= 0;
}

std::unique_ptr<ByteSource> ZipArchive::member(const std::string& name, std::string& error) const {
    const zip_int64_t index = zip_name_locate(zip_, name.c_str(), ZIP_FL_NOCASE);
    if (index < 0) {
        error = platform::fill(
            platform::translate("ZipArchive", "le classeur est incomplet : %1 manque"), {name});
        return nullptr;
    }
    zip_stat_t st;
    const auto at = static_cast<zip_uint64_t>(index);
    if (zip_stat_index(zip_, at, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
        !(st.valid & ZIP_STAT_COMP_SIZE)) {
        error = damagedArchive();
        return nullptr;
    }
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
        error = encryptedWorkbook();
        return nullptr;
    }
    if (st.size > limits_.maxSize) {
        error = platform::fill(
            platform::translate("ZipArchive", "le classeur est refusé : %1 dépasse %2 une fois "
                                              "décompressé"),
            {name, bytesText(limits_.maxSize)});
        return nullptr;
    }
    if (static_cast<long double>(st.size) >
        static_cast<long double>(limits_.maxRatio) * static_cast<long double>(st.comp_size)) {
        error = platform::fill(platform::translate("ZipArchive",
                                                   "le classeur est refusé : %1 est comprimé plus "
                                                   "de %2 fois (bombe de décompression)"),
                               {name, std::to_string(limits_.maxRatio)});
        return nullptr;
    }
    zip_file_t* file = zip_fopen_index(zip_, at, 0);
    if (!file) {
        error = reasonOf(zip_error_code_zip(zip_get_error(zip_)));
        return nullptr;
    }
    return std::make_unique<Member>(file, st.size);
}

} // namespace tracelle::files
