#include "files/OdsReader.h"

#include "files/SerialDate.h"
#include "files/XmlStream.h"
#include "files/ZipArchive.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <algorithm>
#include <charconv>

namespace tracelle::files {

namespace {

using namespace std::string_view_literals;

constexpr auto kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"sv;
constexpr auto kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"sv;
constexpr auto kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"sv;
constexpr auto kManifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"sv;
// Far past any sheet, and far from overflowing when repeats are added to it.
constexpr std::int64_t kFar = std::int64_t{1} << 48;

std::int64_t repeat(const char** attributes, std::string_view name) {
    const char* text = xmlAttribute(attributes, kTable, name);
    if (!text) return 1;
    std::int64_t n = 1;
    const auto [ptr, ec] = std::from_chars(text, text + std::char_traits<char>::length(text), n);
    return ec == std::errc() && n >= 1 ? std::min(n, kFar) : 1;
}

std::string attribute(const char** attributes, std::string_view ns, std::string_view name) {
    const char* value = xmlAttribute(attributes, ns, name);
    return value ? value : "";
}

// The manifest marks the encrypted members of a password-protected document.
class Manifest final : public XmlReader {
public:
    bool encrypted = false;
    void start(std::string_view ns, std::string_view name, const char**) override {
        encrypted = encrypted || (ns == kManifest && name == "encryption-data");
    }
    void end(std::string_view, std::string_view) override {}
};

class Content final : public XmlReader {
public:
    explicit Content(CellGrid& grid) : grid_(grid) {}
    bool spreadsheet = false;

    void start(std::string_view ns, std::string_view name, const char** attributes) override {
        ++depth_;
        if (cellDepth_ > 0) {
            inCell(ns, name, attributes);
            return;
        }
        if (ns == kTable) {
            if (name == "table") {
                if (++tables_ == 1) tableDepth_ = depth_;
            } else if (tables_ == 1 && tableDepth_ > 0) {
                inTable(name, attributes);
            } else if (name == "null-date") {
                if (const auto date = civilDate(attribute(attributes, kTable, "date-value")))
                    base_ = *date;
            }
        } else if (ns == kOffice && name == "spreadsheet") {
            spreadsheet = true;
        }
    }
    void end(std::string_view ns, std::string_view name) override {
        if (depth_ == cellDepth_) {
            place();
            cellDepth_ = 0;
        } else if (depth_ == skipDepth_) {
            skipDepth_ = 0;
        } else if (depth_ == tableDepth_) {
            tableDepth_ = 0; // the first table is read; later ones are only checked as XML
        } else if (cellDepth_ > 0 && skipDepth_ == 0 && ns == kText &&
                   (name == "p" || name == "h")) {
            --paragraph_;
        }
        --depth_;
    }
    void text(std::string_view s) override {
        if (cellDepth_ > 0 && skipDepth_ == 0 && paragraph_ > 0) shown_.append(s);
    }

private:
    void inTable(std::string_view name, const char** attributes) {
        if (name == "table-column") {
            declaredColumns_ =
                std::min(declaredColumns_ + repeat(attributes, "number-columns-repeated"), kFar);
            if (declaredColumns_ > kSheetMaxColumns) stop(tooManyColumns());
        } else if (name == "table-row") {
            rowFirst_ = nextRow_;
            rowLast_ = std::min(nextRow_ + repeat(attributes, "number-rows-repeated") - 1, kFar);
            nextRow_ = rowLast_ + 1;
            column_ = 1;
            grid_.beginRows(rowFirst_, rowLast_ - rowFirst_ + 1);
        } else if (name == "table-cell" || name == "covered-table-cell") {
            cellFirst_ = column_;
            cellCount_ = repeat(attributes, "number-columns-repeated");
            column_ = std::min(column_ + cellCount_, kFar);
            if (column_ - 1 > kSheetMaxColumns) {
                stop(tooManyColumns());
                return;
            }
            cellDepth_ = depth_;
            shown_.clear();
            paragraphs_ = 0;
            paragraph_ = 0;
            // A covered cell is hidden by a merged one: the spreadsheet shows it empty.
            covered_ = name == "covered-table-cell";
            type_ = attribute(attributes, kOffice, "value-type");
            value_ = attribute(attributes, kOffice,
                               type_ == "date"      ? "date-value"
                               : type_ == "time"    ? "time-value"
                               : type_ == "boolean" ? "boolean-value"
                               : type_ == "string"  ? "string-value"
                                                    : "value");
        }
    }
    void inCell(std::string_view ns, std::string_view name, const char** attributes) {
        if (skipDepth_ > 0) return;
        // Only text elements make what the cell shows: notes, drawings and the like are
        // passed over whole.
        if (ns != kText) {
            skipDepth_ = depth_;
        } else if (name == "p" || name == "h") {
            if (paragraphs_++ > 0) shown_ += '\n';
            ++paragraph_;
        } else if (paragraph_ > 0 && name == "s") {
            const char* c = xmlAttribute(attributes, kText, "c");
            int n = 1;
            if (c) std::from_chars(c, c + std::char_traits<char>::length(c), n);
            shown_.append(static_cast<std::size_t>(std::clamp(n, 1, 1024)), ' ');
        } else if (paragraph_ > 0 && name == "tab") {
            shown_ += '\t';
        } else if (paragraph_ > 0 && name == "line-break") {
            shown_ += '\n';
        }
    }
    void place() {
        if (covered_ || (type_.empty() && paragraphs_ == 0)) return;
        if (rowLast_ > kSheetMaxRows) {
            stop(tooManyRows());
            return;
        }
        std::optional<double> number;
        if (type_ == "float" || type_ == "percentage" || type_ == "currency") {
            if (const auto read = model::reel_de_champ(value_)) number = static_cast<double>(*read);
        } else if (type_ == "date") {
            number = serialDay(value_, base_);
        } else if (type_ == "time") {
            number = durationDays(value_);
        } else if (type_ == "boolean") {
            grid_.addText(cellFirst_, cellCount_, value_ == "true" ? "VRAI" : "FAUX");
            return;
        }
        if (number) {
            grid_.addNumber(cellFirst_, cellCount_, *number);
        } else {
            grid_.addText(cellFirst_, cellCount_, paragraphs_ > 0 ? shown_ : value_);
        }
    }

    CellGrid& grid_;
    CivilDate base_ = kBase1900;
    int depth_ = 0;
    int tables_ = 0;
    int tableDepth_ = 0;
    int cellDepth_ = 0;
    int skipDepth_ = 0;
    std::int64_t nextRow_ = 1;
    std::int64_t rowFirst_ = 0;
    std::int64_t rowLast_ = -1;
    std::int64_t column_ = 1;
    std::int64_t declaredColumns_ = 0;
    std::int64_t cellFirst_ = 1;
    std::int64_t cellCount_ = 1;
    bool covered_ = false;
    std::string type_;
    std::string value_;
    std::string shown_;
    int paragraphs_ = 0;
    int paragraph_ = 0;
};

} // namespace

std::unique_ptr<CellGrid> readOds(const ZipArchive& zip, std::string& error) {
    Manifest manifest;
    if (zip.has("META-INF/manifest.xml") &&
        !(error = readXmlMember(zip, "META-INF/manifest.xml", manifest)).empty())
        return nullptr;
    if (manifest.encrypted) {
        error = encryptedWorkbook();
        return nullptr;
    }
    auto grid = std::make_unique<CellGrid>();
    Content content(*grid);
    if (error = readXmlMember(zip, "content.xml", content); !error.empty()) return nullptr;
    if (!content.spreadsheet) {
        error = platform::translate("OdsReader", "ce document OpenDocument n'est pas un classeur");
        return nullptr;
    }
    grid->finish();
    return grid;
}

} // namespace tracelle::files
