// Option values shared by the commands that read pictures: lists of integers, positive
// numbers and whole numbers of pixels, each refused with the option's name and its text.
#pragma once

#include "cli/Command.h"
#include "model/NumberText.h"

#include <sstream>
#include <string>
#include <vector>

namespace tracelle::cli {

// The option's value as `count` integers separated by commas.
inline std::vector<int> integers(const std::string& name, const std::string& text,
                                 std::size_t count, const char* form) {
    std::vector<int> values;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ',');) {
        const model::EntierLu read = model::lit_entier(item);
        if (item.empty() || read.errorPosition != 0) break;
        values.push_back(read.value);
    }
    if (values.size() != count || text.empty() || text.back() == ',')
        throw InputError(
            platform::fill(platform::translate("cli", "--%1 : '%2' n'est pas de la forme %3"),
                           {name, text, form}));
    return values;
}

// The option's value as a number above 0.
inline double positive(const Arguments& args, const std::string& name, double fallback) {
    const auto text = args.value(name);
    if (!text) return fallback;
    const auto value = model::texte_en_reel_strict(*text);
    if (!value || *value <= 0)
        throw InputError(platform::fill(
            platform::translate("cli", "--%1 : '%2' n'est pas un nombre positif"), {name, *text}));
    return static_cast<double>(*value);
}

// The option's value as a whole number of pixels, at least `least`.
inline int wholePixels(const Arguments& args, const std::string& name, int fallback, int least) {
    const auto text = args.value(name);
    if (!text) return fallback;
    const model::EntierLu read = model::lit_entier(*text);
    if (text->empty() || read.errorPosition != 0 || read.value < least)
        throw InputError(platform::fill(
            platform::translate("cli", "--%1 : '%2' n'est pas un entier positif"), {name, *text}));
    return read.value;
}

} // namespace tracelle::cli
