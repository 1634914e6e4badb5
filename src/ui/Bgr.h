// Colours as the project and the dialogs keep them: 0x00BBGGRR.
#pragma once

#include <QColor>
#include <cstdint>

namespace tracelle::ui {

inline QColor fromBgr(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

inline std::uint32_t toBgr(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

} // namespace tracelle::ui
