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
    std::cerr << "tracelle-cli : avertissement : " << surUneLigne(text) << '\n';
}

} // namespace tracelle::cli
