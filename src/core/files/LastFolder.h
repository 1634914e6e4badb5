// One-line text files of the configuration folder, above all "~tracelle.~i": the folder
// where every file dialog starts.
#pragma once

#include "platform/Interaction.h"

#include <string>

namespace tracelle::files {

inline constexpr const char* kLastFolderFile = "~tracelle.~i";

// The first line of the file, or the current directory when the file is missing or its
// first line is empty (the program's own folder is no place to look for maps).
std::string premiere_ligne_lecture(const std::string& name);
// Replaces the file by the one line; beeps (1250 Hz, 100 ms) when it cannot be written.
bool premiere_ligne_enregistre(const std::string& name, const std::string& text);

// A file dialog's request that starts in the last folder.
platform::FileDialogRequest dansDernierDossier(std::string title, std::string filter);

} // namespace tracelle::files
