// The members of a zip archive (the container of .xlsx and .ods workbooks), read with the
// limits that keep a hostile archive from filling memory.
#pragma once

#include "files/ByteSource.h"

#include <cstdint>
#include <memory>
#include <string>

struct zip; // libzip's archive

namespace tracelle::files {

struct ZipLimits {
    std::uint64_t maxSize = std::uint64_t{1} << 30; // bytes of one member once inflated
    std::uint64_t maxRatio = 1000;                  // inflated size over compressed size
};

class ZipArchive {
public:
    // Nothing, with the reason in `error`, when the file is not a readable archive.
    static std::unique_ptr<ZipArchive> open(const std::string& path, std::string& error,
                                            ZipLimits limits = {});
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Names compare without regard to case, as the packages of office documents ask.
    bool has(const std::string& name) const;
    // The member's bytes; nothing, with the reason, when it is missing, encrypted or larger
    // than the limits allow. Reading fails on a damaged member (its checksum is checked at the
    // end), so a caller keeps nothing of a member it did not read to its end.
    std::unique_ptr<ByteSource> member(const std::string& name, std::string& error) const;

private:
    ZipArchive(struct zip* zip, ZipLimits limits) : zip_(zip), limits_(limits) {}
    struct zip* zip_;
    ZipLimits limits_;
};

std::string damagedArchive();

} // namespace tracelle::files
