// The language of the windows: the program's own catalogue in English, the toolkit's French
// catalogue in French, so that its dialogs (files, colours, buttons) speak like the rest.
#pragma once

#include "platform/Language.h"

class QCoreApplication;

namespace tracelle::ui {

// The language chosen in Options › Langue, else the session's.
platform::Language startupLanguage();

// Sets the core's language too. False when the catalogue is not found (neither installed with
// the program nor, for French, with the toolkit): the windows then keep their French texts, or
// the toolkit's dialogs their English ones.
bool installTranslations(QCoreApplication& app, platform::Language language);

} // namespace tracelle::ui
