#pragma once

#include "scheme/HexColor.h"

#include <QColor>

namespace brisvane {

// ColorValue keeps red in its low byte: 0x00BBGGRR.
inline QColor qColorFromValue(ColorValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline ColorValue valueFromQColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace brisvane
