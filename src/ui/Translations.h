// The language of the windows: the program's own catalogue in English, the toolkit's French
// catalogue in French, so that its dialogs (files, colours, buttons) speak like the rest.
#pragma once

#include "platform/Language.h"

#include <string>
#include <vector>

class QCoreApplication;

namespace tracelle::ui {

// The language chosen in Options › Langue, else the session's.
platform::Language startupLanguage();

// Sets the core's language too. False when the catalogue is not found (neither installed with
// the program nor, for French, with the toolkit): the windows then keep their French texts, or
// the toolkit's dialogs their English ones.
bool installTranslations(QCoreApplication& app, platform::Language language);

// The names under which a resource file is looked for, best first: in English its English
// copy ("tracelle_en.hep" for "tracelle.hep"), then the French one.
std::vector<std::string> resourceNames(const std::string& french);

// The installed resource in the current language, else the French one; empty when neither is
// found.
std::string localisedResourceFile(const std::string& french);

} // namespace tracelle::ui
