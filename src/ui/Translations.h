// The toolkit's own dialogs (files, colours, buttons) speak French like the rest of the
// program, whatever the language of the session.
#pragma once

class QCoreApplication;

namespace tracelle::ui {

// False when no French catalogue of the toolkit is found (neither installed with the
// program nor with the toolkit): its dialogs then stay in English.
bool installeTraductionsQt(QCoreApplication& app);

} // namespace tracelle::ui
