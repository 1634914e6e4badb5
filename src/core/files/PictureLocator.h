// Finding a project's picture that is no longer where the project says.
#pragma once

#include <string>

namespace tracelle::files {

struct PictureLocation {
    // The file to read; empty when the user must be asked to search for it.
    std::string found;
    // For the search: the question, the dialog's title and the proposed file name.
    std::string question;
    std::string searchTitle;
    std::string proposedName;
};

// `picture` as named (full path), `project` the project file that names it. A temporary
// "~tmp." picture is never taken: it is not the user's.
PictureLocation localise_image(const std::string& picture, const std::string& project);

} // namespace tracelle::files
