#include "ui/ReplaceQuestion.h"

#include "platform/Interaction.h"

#include <QCoreApplication>
#include <QStringList>
#include <filesystem>

namespace tracelle::ui {

namespace fs = std::filesystem;

bool mayReplace(const std::vector<std::string>& paths) {
    QStringList there;
    for (const std::string& path : paths)
        if (fs::exists(path))
            there << QStringLiteral("« ") +
                         QString::fromStdString(fs::path(path).filename().string()) +
                         QStringLiteral(" »");
    if (there.isEmpty()) return true;
    const QString question =
        there.size() == 1
            ? QCoreApplication::translate("ReplaceQuestion", "%1 existe déjà. Le remplacer ?")
                  .arg(there.front())
            : QCoreApplication::translate("ReplaceQuestion", "%1 existent déjà. Les remplacer ?")
                  .arg(there.mid(0, there.size() - 1).join(", ") +
                       QCoreApplication::translate("ReplaceQuestion", " et ") + there.back());
    return platform::interaction().confirm(question.toStdString());
}

} // namespace tracelle::ui
