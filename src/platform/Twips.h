#pragma once

#include <QRect>

namespace brisvane {

// Window layouts are given in twips (1/1440 inch): 15 twips make one pixel at 96 dpi.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace brisvane
