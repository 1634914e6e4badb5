#include "files/BiffWorkbook.h"

#include "files/SerialDate.h"
#include "files/TextFile.h"
#include "platform/Language.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <freexl.h>
#include <optional>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tracelle::files {

namespace {

std::string damagedWorkbook() {
    return platform::translate("BiffWorkbook",
                               "le classeur est endommagé ou d'un format non reconnu");
}

std::string openFailure(int code) {
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return platform::translate("BiffWorkbook", "le fichier est introuvable ou illisible");
    case FREEXL_INSUFFICIENT_MEMORY:
        return platform::translate("BiffWorkbook", "mémoire insuffisante");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return platform::translate("BiffWorkbook", "le fichier ne contient pas de classeur Excel");
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
        return platform::translate("BiffWorkbook",
                                   "ce n'est pas un classeur Excel 97-2003 (*.xls)");
    default:
        return damagedWorkbook();
    }
}

// A password-protected .xlsx is a compound file holding an "EncryptedPackage" stream, whose
// name the directory spells in UTF-16.
bool holdsEncryptedPackage(const std::string& path) {
    const auto bytes = readBytesFile(path, nullptr);
    static const std::string name = [] {
        std::string utf16;
        for (const char c : std::string_view("EncryptedPackage")) {
            utf16 += c;
            utf16 += '\0';
        }
        return utf16;
    }();
    return bytes && bytes->find(name) != std::string::npos;
}

// What the reading process sends: a record a cell, then the end, or the failure's code.
enum Record : char { Text = 'T', Number = 'N', Failure = 'F', Obfuscated = 'P', End = 'Z' };

template <typename T> void put(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T> bool take(std::string_view& in, T& value) {
    if (in.size() < sizeof value) return false;
    std::memcpy(&value, in.data(), sizeof value);
    in.remove_prefix(sizeof value);
    return true;
}

void writeAll(int fd, std::string& out) {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::write(fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) _exit(1);
        done += static_cast<std::size_t>(n);
    }
    out.clear();
}

// The cell's value as a record; dates and times as the serial number the cell holds, as the
// other formats give them.
void putCell(std::string& out, std::uint32_t row, std::uint8_t column, const FreeXL_CellValue& v) {
    double number = 0;
    switch (v.type) {
    case FREEXL_CELL_INT:
        number = v.value.int_value;
        break;
    case FREEXL_CELL_DOUBLE:
        number = v.value.double_value;
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT: {
        const std::string_view text = v.value.text_value ? v.value.text_value : "";
        if (text.empty()) return;
        out += Text;
        put(out, row);
        put(out, column);
        put(out, static_cast<std::uint32_t>(text.size()));
        out += text;
        return;
    }
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: {
        if (!v.value.text_value) return;
        std::string iso = v.value.text_value;
        if (v.type == FREEXL_CELL_TIME) iso = "1899-12-30T" + iso;
        if (iso.size() > 10) iso[10] = 'T';
        const auto serial = serialDay(iso, kBase1900);
        if (!serial) {
            FreeXL_CellValue asText = v;
            asText.type = FREEXL_CELL_TEXT;
            putCell(out, row, column, asText);
            return;
        }
        number = *serial;
        break;
    }
    default:
        return;
    }
    out += Number;
    put(out, row);
    put(out, column);
    put(out, number);
}

[[noreturn]] void readInChild(const std::string& path, int fd) {
    std::string out;
    const void* handle = nullptr;
    int code = freexl_open(path.c_str(), &handle);
    unsigned int password = FREEXL_BIFF_PLAIN;
    if (code == FREEXL_OK) code = freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &password);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (code == FREEXL_OK && password == FREEXL_BIFF_OBFUSCATED) {
        out += Obfuscated;
    } else {
        if (code == FREEXL_OK) code = freexl_select_active_worksheet(handle, 0);
        if (code == FREEXL_OK) code = freexl_worksheet_dimensions(handle, &rows, &columns);
        if (code != FREEXL_OK) {
            out += Failure;
            put(out, code);
        }
    }
    if (out.empty()) {
        const unsigned short lastColumn = std::min<unsigned short>(columns, kSheetLastColumn);
        for (std::uint32_t row = 0; row < rows; ++row) {
            for (std::uint8_t column = 0; column < lastColumn; ++column) {
                FreeXL_CellValue v;
                if (freexl_get_cell_value(handle, row, column, &v) == FREEXL_OK)
                    putCell(out, row + 1, column + 1, v);
            }
            if (out.size() > (1 << 16)) writeAll(fd, out);
        }
        out += End;
    }
    writeAll(fd, out);
    _exit(0);
}

// The records sent, or nothing when the reading process stopped, was killed or said nonsense.
std::optional<std::string> receive(int fd, pid_t child) {
    // A workbook of 65,536 rows is read in well under a second; a process silent for this
    // long is stuck in a damaged file.
    constexpr int kSilenceMs = 30000;
    std::string in;
    char buffer[1 << 16];
    bool stuck = false;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, kSilenceMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            stuck = true;
            break;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        in.append(buffer, static_cast<std::size_t>(n));
    }
    if (stuck) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (stuck || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return in;
}

} // namespace

// FreeXL reads some damaged workbooks outside its buffers; it works in a process of its own,
// so that such a file costs a message, never the program or its memory.
std::unique_ptr<CellGrid> readXls(const std::string& path, std::string& error) {
    int fds[2];
    if (::pipe(fds) != 0) {
        error = platform::translate("BiffWorkbook", "mémoire insuffisante");
        return nullptr;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        readInChild(path, fds[1]);
    }
    ::close(fds[1]);
    if (child < 0) {
        ::close(fds[0]);
        error = platform::translate("BiffWorkbook", "mémoire insuffisante");
        return nullptr;
    }
    const auto records = receive(fds[0], child);
    ::close(fds[0]);
    if (!records) {
        error = damagedWorkbook();
        return nullptr;
    }
    std::string_view in = *records;
    auto grid = std::make_unique<CellGrid>();
    std::uint32_t openRow = 0;
    while (!in.empty()) {
        const char kind = in.front();
        in.remove_prefix(1);
        std::uint32_t row = 0;
        std::uint8_t column = 0;
        if (kind == End && in.empty()) {
            grid->finish();
            return grid;
        }
        if (kind == Obfuscated) {
            error = encryptedWorkbook();
            return nullptr;
        }
        if (kind == Failure) {
            int code = 0;
            take(in, code);
            error = code == FREEXL_BIFF_WORKBOOK_NOT_FOUND && holdsEncryptedPackage(path)
                        ? encryptedWorkbook()
                        : openFailure(code);
            return nullptr;
        }
        if ((kind != Text && kind != Number) || !take(in, row) || !take(in, column)) break;
        if (row != openRow) {
            grid->beginRows(row, 1);
            openRow = row;
        }
        if (kind == Number) {
            double value = 0;
            if (!take(in, value)) break;
            grid->addNumber(column, 1, value);
        } else {
            std::uint32_t length = 0;
            if (!take(in, length) || in.size() < length) break;
            grid->addText(column, 1, in.substr(0, length));
            in.remove_prefix(length);
        }
    }
    error = damagedWorkbook();
    return nullptr;
}

} // namespace tracelle::files
