#include "files/XlsxReader.h"

#include "files/Cp1252.h"
#include "files/SerialDate.h"
#include "files/XmlStream.h"
#include "files/ZipArchive.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <charconv>
#include <optional>
#include <vector>

namespace tracelle::files {

namespace {

using namespace std::string_view_literals;

// Transitional and strict Office Open XML.
constexpr auto kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"sv;
constexpr auto kStrictMain = "http://purl.oclc.org/ooxml/spreadsheetml/main"sv;
constexpr auto kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships"sv;
constexpr auto kStrictRelationships = "http://purl.oclc.org/ooxml/officeDocument/relationships"sv;
constexpr auto kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships"sv;

bool isMain(std::string_view ns) {
    return ns == kMain || ns == kStrictMain;
}

bool endsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

// "_x000D_" and the like: characters that XML cannot carry, as the format escapes them.
void unescape(std::string& s) {
    if (s.find("_x") == std::string::npos) return;
    std::string out;
    out.reserve(s.size());
    char32_t high = 0;
    for (std::size_t i = 0; i < s.size();) {
        unsigned unit = 0;
        if (s[i] == '_' && i + 7 <= s.size() && s[i + 1] == 'x' && s[i + 6] == '_' &&
            std::from_chars(s.data() + i + 2, s.data() + i + 6, unit, 16).ptr == s.data() + i + 6) {
            i += 7;
            if (unit >= 0xD800 && unit < 0xDC00) {
                high = unit;
                continue;
            }
            if (unit >= 0xDC00 && unit < 0xE000)
                unit = high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : 0xFFFD;
            high = 0;
            appendCodePointAsUtf8(out, unit);
            continue;
        }
        high = 0;
        out += s[i++];
    }
    s = std::move(out);
}

// The digits of the whole text, or nothing.
std::optional<std::int64_t> wholeNumber(std::string_view s) {
    std::int64_t n = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || ptr != s.data() + s.size() || n < 0) return std::nullopt;
    return n;
}

// 1 for "A12"; 0 when the text does not start with a column; capped past the largest sheet.
std::int64_t referenceColumn(const char* ref) {
    std::int64_t column = 0;
    for (; ref && *ref >= 'A' && *ref <= 'Z'; ++ref) {
        column = column * 26 + (*ref - 'A' + 1);
        if (column > kSheetMaxColumns) return kSheetMaxColumns + 1;
    }
    return column;
}

// workbook.xml: the sheets in tab order, by their relationship ids.
class WorkbookPart final : public XmlReader {
public:
    std::vector<std::string> sheets;
    bool date1904 = false;

    void start(std::string_view ns, std::string_view name, const char** attributes) override {
        if (!isMain(ns)) return;
        if (name == "sheet") {
            const char* id = xmlAttribute(attributes, kRelationships, "id");
            if (!id) id = xmlAttribute(attributes, kStrictRelationships, "id");
            sheets.emplace_back(id ? id : "");
        } else if (name == "workbookPr") {
            const char* flag = xmlAttribute(attributes, {}, "date1904");
            date1904 = flag && (flag == "1"sv || flag == "true"sv);
        }
    }
    void end(std::string_view, std::string_view) override {}
};

struct Relationship {
    std::string id, type, target;
};

class RelationshipsPart final : public XmlReader {
public:
    std::vector<Relationship> all;

    void start(std::string_view ns, std::string_view name, const char** attributes) override {
        if (ns != kPackageRelationships || name != "Relationship") return;
        const char* id = xmlAttribute(attributes, {}, "Id");
        const char* type = xmlAttribute(attributes, {}, "Type");
        const char* target = xmlAttribute(attributes, {}, "Target");
        const char* mode = xmlAttribute(attributes, {}, "TargetMode");
        if (id && type && target && !(mode && mode == "External"sv))
            all.push_back({id, type, target});
    }
    void end(std::string_view, std::string_view) override {}

    const Relationship* find(std::string_view id) const {
        for (const auto& r : all)
            if (r.id == id) return &r;
        return nullptr;
    }
    const Relationship* ofType(std::string_view suffix) const {
        for (const auto& r : all)
            if (endsWith(r.type, suffix)) return &r;
        return nullptr;
    }
};

// A target of the workbook's relationships as a member name: relative to "xl/" unless absolute.
std::string memberOf(std::string_view target) {
    std::vector<std::string_view> parts;
    if (!target.empty() && target.front() == '/')
        target.remove_prefix(1);
    else
        parts.push_back("xl");
    while (!target.empty()) {
        const std::size_t slash = std::min(target.find('/'), target.size());
        const std::string_view part = target.substr(0, slash);
        target.remove_prefix(std::min(slash + 1, target.size()));
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
    }
    std::string name;
    for (const auto part : parts) {
        if (!name.empty()) name += '/';
        name += part;
    }
    return name;
}

class SharedStrings final : public XmlReader {
public:
    explicit SharedStrings(CellGrid& grid) : grid_(grid) {}
    std::vector<CellGrid::Text> strings;

    void start(std::string_view ns, std::string_view name, const char**) override {
        if (!isMain(ns)) return;
        if (name == "si") {
            item_.clear();
        } else if (name == "t") {
            collecting_ = phonetic_ == 0;
        } else if (name == "rPh") {
            ++phonetic_; // the reading aid of East Asian text is not part of the value
        }
    }
    void end(std::string_view ns, std::string_view name) override {
        if (!isMain(ns)) return;
        if (name == "t") {
            collecting_ = false;
        } else if (name == "rPh") {
            phonetic_ = std::max(phonetic_ - 1, 0);
        } else if (name == "si") {
            unescape(item_);
            strings.push_back(grid_.keep(item_));
        }
    }
    void text(std::string_view s) override {
        if (collecting_) item_.append(s);
    }

private:
    CellGrid& grid_;
    std::string item_;
    bool collecting_ = false;
    int phonetic_ = 0;
};

class SheetPart final : public XmlReader {
public:
    SheetPart(CellGrid& grid, const std::vector<CellGrid::Text>& strings, CivilDate base)
        : grid_(grid), strings_(strings), base_(base) {}

    void start(std::string_view ns, std::string_view name, const char** attributes) override {
        if (!isMain(ns)) return;
        if (name == "c") {
            const std::int64_t at = referenceColumn(xmlAttribute(attributes, {}, "r"));
            column_ = at > 0 ? at : column_ + 1;
            if (column_ > kSheetMaxColumns) stop(tooManyColumns());
            const char* t = xmlAttribute(attributes, {}, "t");
            type_ = t ? t[0] : 'n';
            if (t && t[0] == 's' && t[1] == 't') type_ = 'S'; // "str": a formula's text
            value_.clear();
            hasValue_ = false;
        } else if (name == "v") {
            collecting_ = column_ <= kSheetLastColumn;
        } else if (name == "t") {
            collecting_ = inline_ && phonetic_ == 0 && column_ <= kSheetLastColumn;
        } else if (name == "row") {
            const char* r = xmlAttribute(attributes, {}, "r");
            const auto number = r ? wholeNumber(r) : std::nullopt;
            row_ = number && *number > 0 ? std::min(*number, kSheetMaxRows + 1) : row_ + 1;
            column_ = 0;
            grid_.beginRows(row_, 1);
        } else if (name == "is") {
            inline_ = true;
        } else if (name == "rPh") {
            ++phonetic_;
        }
    }
    void end(std::string_view ns, std::string_view name) override {
        if (!isMain(ns)) return;
        if (name == "v" || name == "t") {
            hasValue_ = hasValue_ || collecting_;
            collecting_ = false;
        } else if (name == "c") {
            if (hasValue_) place();
        } else if (name == "is") {
            inline_ = false;
        } else if (name == "rPh") {
            phonetic_ = std::max(phonetic_ - 1, 0);
        }
    }
    void text(std::string_view s) override {
        if (collecting_) value_.append(s);
    }

private:
    void place() {
        if (row_ > kSheetMaxRows) {
            stop(tooManyRows());
            return;
        }
        switch (type_) {
        case 's': {
            const auto index = wholeNumber(value_);
            if (index && static_cast<std::uint64_t>(*index) < strings_.size()) {
                grid_.addKept(column_, 1, strings_[static_cast<std::size_t>(*index)]);
            } else {
                stop(platform::fill(platform::translate("XlsxReader",
                                                        "le classeur est endommagé : chaîne "
                                                        "partagée n° %1 absente"),
                                    {model::excerptForMessage(value_)}));
            }
            return;
        }
        case 'b':
            grid_.addText(column_, 1, value_ == "1" || value_ == "true" ? "VRAI" : "FAUX");
            return;
        case 'd':
            if (const auto serial = serialDay(value_, base_)) {
                grid_.addNumber(column_, 1, *serial);
                return;
            }
            break;
        case 'n':
            // As the cell holds it: a double, whatever digits the file wrote.
            if (const auto number = model::reel_de_champ(value_)) {
                grid_.addNumber(column_, 1, static_cast<double>(*number));
                return;
            }
            break;
        default: // inline strings, a formula's text, errors
            unescape(value_);
        }
        grid_.addText(column_, 1, value_);
    }

    CellGrid& grid_;
    const std::vector<CellGrid::Text>& strings_;
    CivilDate base_;
    std::int64_t row_ = 0;
    std::int64_t column_ = 0;
    char type_ = 'n';
    std::string value_;
    bool hasValue_ = false;
    bool collecting_ = false;
    bool inline_ = false;
    int phonetic_ = 0;
};

} // namespace

std::unique_ptr<CellGrid> readXlsx(const ZipArchive& zip, std::string& error) {
    WorkbookPart workbook;
    RelationshipsPart relationships;
    if (!(error = readXmlMember(zip, "xl/workbook.xml", workbook)).empty() ||
        !(error = readXmlMember(zip, "xl/_rels/workbook.xml.rels", relationships)).empty())
        return nullptr;
    // The first worksheet in tab order: chart sheets are not worksheets.
    const Relationship* sheet = nullptr;
    for (const auto& id : workbook.sheets) {
        const Relationship* r = relationships.find(id);
        if (r && endsWith(r->type, "/worksheet")) {
            sheet = r;
            break;
        }
    }
    if (!sheet) {
        error =
            platform::translate("XlsxReader", "le classeur ne contient aucune feuille de calcul");
        return nullptr;
    }
    auto grid = std::make_unique<CellGrid>();
    SharedStrings shared(*grid);
    if (const Relationship* strings = relationships.ofType("/sharedStrings")) {
        error = readXmlMember(zip, memberOf(strings->target), shared);
        if (!error.empty()) return nullptr;
    }
    SheetPart cells(*grid, shared.strings, workbook.date1904 ? kBase1904 : kBase1900);
    if (error = readXmlMember(zip, memberOf(sheet->target), cells); !error.empty()) return nullptr;
    grid->finish();
    return grid;
}

} // namespace tracelle::files
