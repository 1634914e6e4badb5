// Drawing text needs Qt's font database, which only a QGuiApplication opens. A program with
// windows has its own; one without (tracelle-cli) gets one on the "offscreen" platform at its
// first drawing, kept to the end of the process.
#pragma once

#include <string>

namespace tracelle::render {

// "" once a QGuiApplication exists, else the reason in French.
std::string ensureGuiApplication();

} // namespace tracelle::render
