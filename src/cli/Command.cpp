#include "cli/Command.h"

#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "measure/RasterSurface.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace tracelle::cli {

namespace {

std::vector<Command>& registry() {
    static std::vector<Command> all;
    return all;
}

const OptionRule* find(const std::vector<OptionRule>& rules, std::string_view name) {
    const auto it = std::find_if(rules.begin(), rules.end(),
                                 [&](const OptionRule& s) { return s.name == name; });
    return it == rules.end() ? nullptr : &*it;
}

UsageError unknownOption(const std::string& option) {
    return UsageError(platform::fill(platform::translate("cli", "option inconnue : %1"), {option}));
}

} // namespace

Registration::Registration(Command command) {
    registry().push_back(std::move(command));
}

const std::vector<Command>& commands() {
    auto& all = registry();
    std::sort(all.begin(), all.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    return all;
}

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<OptionRule>& rules) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a[0] != '-' || a == "--") {
            if (a == "--") {
                positional_.insert(positional_.end(), args.begin() + static_cast<long>(i) + 1,
                                   args.end());
                return;
            }
            positional_.push_back(a);
            continue;
        }
        std::string name;
        std::optional<std::string> inlineValue;
        if (a[1] == '-') {
            name = a.substr(2);
            if (const auto eq = name.find('='); eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name.resize(eq);
            }
        } else {
            const auto it = std::find_if(rules.begin(), rules.end(),
                                         [&](const OptionRule& s) { return s.shortName == a[1]; });
            if (a.size() != 2 || it == rules.end()) throw unknownOption(a);
            name = it->name;
        }
        const OptionRule* rule = find(rules, name);
        if (!rule) throw unknownOption(a);
        if (!rule->takesValue) {
            if (inlineValue)
                throw UsageError(platform::fill(
                    platform::translate("cli", "l'option --%1 n'attend pas de valeur"), {name}));
            options_.emplace_back(name, "");
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size())
                throw UsageError(platform::fill(
                    platform::translate("cli", "l'option --%1 attend une valeur"), {name}));
            inlineValue = args[++i];
        }
        options_.emplace_back(name, *inlineValue);
    }
}

const std::string& Arguments::positional(std::size_t i, const char* what) const {
    if (i >= positional_.size())
        throw UsageError(platform::fill(platform::translate("cli", "argument manquant : %1"),
                                        {platform::translate("cli", what)}));
    return positional_[i];
}

void Arguments::atMost(std::size_t count) const {
    if (positional_.size() > count)
        throw UsageError(platform::fill(platform::translate("cli", "argument en trop : %1"),
                                        {positional_[count]}));
}

std::optional<std::string> Arguments::value(std::string_view name) const {
    // The last one given wins, as with most command-line tools.
    for (auto it = options_.rbegin(); it != options_.rend(); ++it) {
        if (it->first == name) return it->second;
    }
    return std::nullopt;
}

bool Arguments::flag(std::string_view name) const {
    return value(name).has_value();
}

int Arguments::integer(std::string_view name, int fallback) const {
    const auto text = value(name);
    if (!text) return fallback;
    const model::EntierLu read = model::lit_entier(*text);
    if (read.errorPosition != 0 || text->empty())
        throw UsageError(platform::fill(
            platform::translate("cli", "--%1 : '%2' n'est pas une valeur entière correcte"),
            {name, *text}));
    return read.value;
}

std::string aboutFile(const std::string& file, const std::string& message) {
    return platform::fill(platform::translate("cli", "%1 : %2"), {file, message});
}

void chargeProjet(const std::string& path, model::Project& project) {
    if (const std::string error = files::chargeProjetSansImage(path, project); !error.empty())
        throw InputError(error.find(path) == std::string::npos ? aboutFile(path, error) : error);
}

void ecritSortie(const std::optional<std::string>& path, const std::string& text) {
    if (!path) {
        std::cout << text << std::flush;
        if (!std::cout)
            throw InputError(
                platform::translate("cli", "écriture impossible sur la sortie standard"));
        return;
    }
    if (const std::string error = files::writeTextFile(*path, text); !error.empty())
        throw InputError(error);
}

measure::Rgb couleur(const Arguments& args, std::string_view name, measure::Rgb fallback) {
    const auto text = args.value(name);
    if (!text) return fallback;
    std::uint8_t channels[3] = {};
    int count = 0;
    std::istringstream in(*text);
    for (std::string item; std::getline(in, item, ',');) {
        const model::EntierLu read = model::lit_entier(item);
        if (count == 3 || item.empty() || read.errorPosition != 0 || read.value < 0 ||
            read.value > 255) {
            count = -1;
            break;
        }
        channels[count++] = static_cast<std::uint8_t>(read.value);
    }
    if (count != 3 || text->back() == ',')
        throw InputError(platform::fill(
            platform::translate(
                "cli", "--%1 : '%2' n'est pas une couleur R,G,B (trois entiers de 0 à 255)"),
            {name, *text}));
    return {channels[0], channels[1], channels[2]};
}

} // namespace tracelle::cli
