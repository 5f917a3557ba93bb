#pragma once

#include "scheme/ScrollbarScheme.h"

#include <string>
#include <vector>

namespace brisvane {

// The contrast of two colours as the Web Content Accessibility Guidelines measure it, from
// 1 (the same) to 21 (black on white): (L1 + 0.05) / (L2 + 0.05) of their relative
// luminances. Texts that are no whole colour count as black.
double contrastRatio(std::string_view first, std::string_view second);

// What a scrollbar must stand out from, by the guidelines' rule for parts of a page one
// works with (at least 3 to 1): the thumb from the track, whichever of its face, 3D light and
// dark shadow stands out most, normal, pointed at and held; the arrows from the face they sit
// on in those states. A state left unset is not checked on its own.
struct ContrastCheck {
    double ratio = 0;
    ColorRole state = ColorRole::Face; // or Hover, or Pressed
    bool arrows = false;               // the arrows against the face, else the thumb
    bool enough() const { return ratio >= minimumContrast; }
    // "the thumb against the track", "the arrows against the face pointed at"...
    std::string what() const;
    static constexpr double minimumContrast = 3.0;
};
std::vector<ContrastCheck> checkContrast(const ScrollbarScheme& scheme);

// "4.5:1", one decimal, never rounded up to the minimum: 2.99 reads "2.9:1".
std::string ratioText(double ratio);

} // namespace brisvane
