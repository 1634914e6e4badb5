// The program's UTF-8 texts as Qt's.
#pragma once

#include <QString>
#include <string_view>

namespace tracelle::ui {

inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tracelle::ui
