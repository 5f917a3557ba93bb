#include "scheme/ScrollbarScheme.h"

namespace brisvane {

const std::string& ScrollbarScheme::color(ColorRole role) const {
    switch (role) {
    case ColorRole::Track:
        return trackColor;
    case ColorRole::Arrow:
        return arrowColor;
    default:
        return faceGroupColors[roleIndex(role)];
    }
}

void ScrollbarScheme::setColor(ColorRole role, std::string text) {
    switch (role) {
    case ColorRole::Track:
        trackColor = std::move(text);
        break;
    case ColorRole::Arrow:
        arrowColor = std::move(text);
        break;
    default:
        faceGroupColors[roleIndex(role)] = std::move(text);
        break;
    }
}

const ScrollbarScheme defaultScheme{
    {"#C0C0C0", "#FFFFFF", "#C0C0C0", "#808080", "#404040"}, "#E0E0E0", "#000000"};

const ScrollbarScheme startScheme{
    {"#808080", "#808080", "#808080", "#808080", "#808080"}, "#808080", "#808080"};

} // namespace brisvane
