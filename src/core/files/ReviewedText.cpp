#include "files/ReviewedText.h"

#include "files/TextFile.h"
#include "platform/Interaction.h"
#include "platform/Language.h"
#include "platform/Paths.h"

namespace tracelle::files {

std::optional<std::string> texteRevu(const std::string& path) {
    std::string error;
    const auto text = readTextFile(path, &error);
    if (!text) {
        platform::interaction().information(error);
        return std::nullopt;
    }
    auto reviewed = platform::interaction().af_fic_txt_memo(
        platform::fill(platform::translate("ReviewedText", "contenu de %1"), {path}) + '\r', *text);
    if (reviewed) writeTextFile(platform::currentDirFile("~memo.txt"), *reviewed);
    return reviewed;
}

} // namespace tracelle::files
