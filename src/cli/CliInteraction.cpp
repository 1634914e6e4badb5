#include "cli/CliInteraction.h"

#include "platform/Language.h"

#include <iostream>

namespace tracelle::cli {

std::string surUneLigne(const std::string& text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        const bool space = c == '\n' || c == '\r' || c == '\t' || c == ' ';
        if (space && (blank || out.empty())) continue;
        out += space ? ' ' : c;
        blank = space;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string errorLine(const std::string& text) {
    return platform::fill(platform::translate("cli", "tracelle-cli : %1"), {surUneLigne(text)});
}

void CliInteraction::information(const std::string& text) {
    const std::string line = surUneLigne(text);
    if (told_.insert(line).second)
        std::cerr << platform::fill(platform::translate("cli", "tracelle-cli : avertissement : %1"),
                                    {line})
                  << '\n';
}

bool CliInteraction::confirm(const std::string& text) {
    // The question tells what went wrong (an unreadable integer cell); the answer is shown
    // with it, since nobody is there to give another.
    information(platform::fill(platform::translate("cli", "%1 (réponse : non)"), {text}));
    return false;
}

} // namespace tracelle::cli
