#include "cli/CliInteraction.h"

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

void CliInteraction::information(const std::string& text) {
    const std::string line = surUneLigne(text);
    if (told_.insert(line).second) std::cerr << "tracelle-cli : avertissement : " << line << '\n';
}

bool CliInteraction::confirm(const std::string& text) {
    // The question tells what went wrong (an unreadable integer cell); the answer is shown
    // with it, since nobody is there to give another.
    information(text + " (réponse : non)");
    return false;
}

} // namespace tracelle::cli
