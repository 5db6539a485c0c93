#pragma once
// Colours of the chemistry windows are given as 0x00BBGGRR values.

#include <QColor>
#include <cstdint>

namespace numeralia::app {

inline QColor bgrColour(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace numeralia::app
