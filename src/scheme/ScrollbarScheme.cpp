#include "scheme/ScrollbarScheme.h"

#include "scheme/HexColor.h"

namespace brisvane {

namespace {

ScrollbarScheme fromTable(std::string_view RoleRow::*column) {
    ScrollbarScheme scheme;
    for (ColorRole role : everyColorRole)
        scheme.setColor(role, std::string(roleRow(role).*column));
    return scheme;
}

} // namespace

std::vector<ColorRole> ScrollbarScheme::rolesHoldingNoColor() const {
    std::vector<ColorRole> roles;
    for (ColorRole role : everyColorRole) {
        if (!isWholeColor(color(role)) && !(isStateRole(role) && color(role).empty()))
            roles.push_back(role);
    }
    return roles;
}

const std::string& ScrollbarScheme::color(ColorRole role) const {
    switch (role) {
    case ColorRole::Track:
        return trackColor;
    case ColorRole::Arrow:
        return arrowColor;
    case ColorRole::Hover:
        return hoverColor;
    case ColorRole::Pressed:
        return pressedColor;
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
    case ColorRole::Hover:
        hoverColor = std::move(text);
        break;
    case ColorRole::Pressed:
        pressedColor = std::move(text);
        break;
    default:
        faceGroupColors[roleIndex(role)] = std::move(text);
        break;
    }
}

const std::string& ScrollbarScheme::faceWhile(ColorRole state) const {
    const std::string& own = color(state);
    return own.empty() ? faceGroupColors[0] : own;
}

const ScrollbarScheme defaultScheme = fromTable(&RoleRow::lightDefault);
const ScrollbarScheme darkDefaultScheme = fromTable(&RoleRow::darkDefault);

const ScrollbarScheme startScheme{
    {"#808080", "#808080", "#808080", "#808080", "#808080"}, "#808080", "#808080"};

} // namespace brisvane
