#include "scheme/Contrast.h"

#include "scheme/HexColor.h"

#include <algorithm>
#include <cmath>

namespace brisvane {

namespace {

double luminance(std::string_view text) {
    const ColorValue value = isWholeColor(text) ? hexToColor(text) : 0;
    double sum = 0;
    for (const auto& [shift, weight] : {std::pair{0, 0.2126}, {8, 0.7152}, {16, 0.0722}}) {
        const double c = ((value >> shift) & 0xFF) / 255.0;
        sum += weight * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
}

} // namespace

double contrastRatio(std::string_view first, std::string_view second) {
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::vector<ContrastCheck> checkContrast(const ScrollbarScheme& scheme) {
    std::vector<ContrastCheck> checks;
    const auto face = [&](ColorRole state) {
        return state == ColorRole::Face ? scheme.color(ColorRole::Face) : scheme.faceWhile(state);
    };
    for (ColorRole state : {ColorRole::Face, ColorRole::Hover, ColorRole::Pressed}) {
        if (state != ColorRole::Face && scheme.color(state).empty())
            continue;
        double thumb = 0;
        for (const std::string& part : {face(state), scheme.color(ColorRole::ThreeDLight),
                                        scheme.color(ColorRole::DarkShadow)})
            thumb = std::max(thumb, contrastRatio(part, scheme.trackColor));
        checks.push_back({thumb, state});
        checks.push_back({contrastRatio(scheme.arrowColor, face(state)), state, true});
    }
    return checks;
}

std::string ContrastCheck::what() const {
    const std::string when = state == ColorRole::Hover     ? " pointed at"
                             : state == ColorRole::Pressed ? " held"
                                                           : "";
    return arrows ? "the arrows against the face" + when
                  : "the thumb" + when + " against the track";
}

std::string ratioText(double ratio) {
    const double tenths = std::floor(ratio * 10 + 1e-9) / 10;
    char text[16];
    std::snprintf(text, sizeof text, "%.1f:1", tenths);
    return text;
}

} // namespace brisvane
