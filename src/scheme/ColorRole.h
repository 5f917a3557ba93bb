#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace brisvane {

// The seven colours of a scrollbar, in the one order that every loop, file, page and
// generated text of the program follows.
enum class ColorRole { Face, Highlight, ThreeDLight, Shadow, DarkShadow, Track, Arrow };

inline constexpr std::size_t colorRoleCount = 7;
// Face to DarkShadow share their widgets and storage as arrays indexed by role value.
inline constexpr std::size_t faceGroupCount = 5;

inline constexpr std::array<ColorRole, colorRoleCount> allColorRoles{
    ColorRole::Face,       ColorRole::Highlight, ColorRole::ThreeDLight, ColorRole::Shadow,
    ColorRole::DarkShadow, ColorRole::Track,     ColorRole::Arrow};

constexpr std::size_t roleIndex(ColorRole role) {
    return static_cast<std::size_t>(role);
}

// "scrollbar-face-color" and so on.
std::string_view cssPropertyName(ColorRole role);
// The role's key in a project's section of the project file: "1" to "7".
std::string_view projectKey(ColorRole role);
// The caption beside the role's colour field on the main window ("Face:", "Arrows:").
std::string_view rowLabel(ColorRole role);
// The tooltip of the role's parts of the enlarged scrollbar picture.
std::string_view pictureTooltip(ColorRole role);
// The title of the colour chooser opened for the role. "ArrowColor" has no blank: the
// chooser's title for arrows has always read so.
std::string_view chooserTitle(ColorRole role);
// The role's field as assistive technology names it: "Face color", "3D Light color"...
std::string_view spokenName(ColorRole role);

} // namespace brisvane
