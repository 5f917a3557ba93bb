#include "import/BaseColor.h"

#include "scheme/Contrast.h"

#include <algorithm>
#include <cmath>

namespace brisvane {

std::array<ColorValue, colorRoleCount> deriveFromBaseColor(ColorValue base) {
    const int rgb[3] = {static_cast<int>(base & 0xFF), static_cast<int>((base >> 8) & 0xFF),
                        static_cast<int>((base >> 16) & 0xFF)};
    // Towards white by `toWhite`, or towards black by `toBlack`: either keeps the hue.
    auto mix = [&rgb](double toWhite, double toBlack) {
        ColorValue out = 0;
        for (int i = 0; i < 3; ++i) {
            const double c = rgb[i] + (255 - rgb[i]) * toWhite;
            out |= static_cast<ColorValue>(std::lround(c * (1 - toBlack))) << (8 * i);
        }
        return out;
    };
    // HSL lightness, from 0 to 1; the highlight is a quarter lighter, or white.
    const double lightness =
        (*std::max_element(rgb, rgb + 3) + *std::min_element(rgb, rgb + 3)) / 510.0;
    const double highlight = lightness >= 0.75 ? 1 : 0.25 / (1 - lightness);
    const HexColor face = colorToHex(base);
    std::array<ColorValue, colorRoleCount> colors{};
    for (ColorRole role : allColorRoles) {
        ColorValue& color = colors[roleIndex(role)];
        switch (roleRow(role).derivation) {
        case BaseDerivation::Lighter:
            color = mix(highlight, 0);
            break;
        case BaseDerivation::HalfToWhite:
            color = mix(0.5, 0);
            break;
        case BaseDerivation::TwoThirds:
            color = mix(0, 1.0 / 3);
            break;
        case BaseDerivation::OneThird:
            color = mix(0, 2.0 / 3);
            break;
        case BaseDerivation::Contrasting: // whichever stands out more against the face
            color = contrastRatio(face, "#000000") >= contrastRatio(face, "#FFFFFF") ? 0 : 0xFFFFFF;
            break;
        default:
            color = base;
            break;
        }
    }
    return colors;
}

} // namespace brisvane
