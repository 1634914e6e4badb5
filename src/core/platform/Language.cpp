#include "platform/Language.h"

#include "platform/Catalogue.h"
#include "platform/Paths.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tracelle::platform {

namespace {

std::atomic<Language> current{Language::French};

std::string languageSettingFile() {
    return configFile("langue.cfg");
}

} // namespace

Language languageFromEnvironment() {
    // LANGUAGE is a list ("en_GB:fr"): its first entry decides. Read as plain variables, so
    // that a language whose locale is not installed still counts.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        const std::string_view first =
            std::string_view(value).substr(0, std::string_view(value).find(':'));
        if (first.empty()) continue;
        if (first == "C" || first.starts_with("C.") || first == "POSIX" || first.starts_with("fr"))
            return Language::French;
        return Language::English;
    }
    return Language::French;
}

std::optional<Language> languageNamed(std::string_view name) {
    if (name == "fr") return Language::French;
    if (name == "en") return Language::English;
    return std::nullopt;
}

std::string_view languageCode(Language language) {
    return language == Language::English ? "en" : "fr";
}

Language language() {
    return current.load(std::memory_order_relaxed);
}

void setLanguage(Language language) {
    current.store(language, std::memory_order_relaxed);
}

const char* translate(const char* context, const char* french) {
    if (language() == Language::French) return french;
    const CatalogueEntry* begin = kEnglishCatalogue;
    const CatalogueEntry* end = kEnglishCatalogue + kEnglishCatalogueSize;
    const auto before = [](const CatalogueEntry& entry, const CatalogueEntry& key) {
        const int byContext = std::strcmp(entry.context, key.context);
        return byContext != 0 ? byContext < 0 : std::strcmp(entry.french, key.french) < 0;
    };
    const CatalogueEntry key{context, french, nullptr};
    const CatalogueEntry* found = std::lower_bound(begin, end, key, before);
    if (found == end || before(key, *found) || *found->english == '\0') return french;
    return found->english;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size() + 16 * arguments.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                text += *std::next(arguments.begin(), static_cast<std::ptrdiff_t>(index));
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

std::optional<Language> savedLanguage() {
    std::ifstream in(languageSettingFile());
    std::string code;
    if (!(in >> code)) return std::nullopt;
    return languageNamed(code);
}

bool saveLanguage(std::optional<Language> language) {
    const std::string path = languageSettingFile();
    if (!language) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return !ec;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << languageCode(*language) << '\n';
    return static_cast<bool>(out);
}

} // namespace tracelle::platform
