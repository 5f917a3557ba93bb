#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace brisvane {

// The colours of a scrollbar: the seven of the classic bar, in the one order that every loop,
// file, page and generated text of the program follows, then the two faces of the thumb and
// the arrow buttons while the pointer is over them and while they are held, which a project
// may leave unset.
enum class ColorRole {
    Face,
    Highlight,
    ThreeDLight,
    Shadow,
    DarkShadow,
    Track,
    Arrow,
    Hover,
    Pressed
};

inline constexpr std::size_t colorRoleCount = 7;
// Face to DarkShadow share their widgets and storage as arrays indexed by role value.
inline constexpr std::size_t faceGroupCount = 5;
inline constexpr std::size_t everyRoleCount = 9;

// The classic seven.
inline constexpr std::array<ColorRole, colorRoleCount> allColorRoles{
    ColorRole::Face,       ColorRole::Highlight, ColorRole::ThreeDLight, ColorRole::Shadow,
    ColorRole::DarkShadow, ColorRole::Track,     ColorRole::Arrow};
// The two a project may leave unset.
inline constexpr std::array<ColorRole, 2> stateColorRoles{ColorRole::Hover, ColorRole::Pressed};
inline constexpr std::array<ColorRole, everyRoleCount> everyColorRole{
    ColorRole::Face,   ColorRole::Highlight,  ColorRole::ThreeDLight,
    ColorRole::Shadow, ColorRole::DarkShadow, ColorRole::Track,
    ColorRole::Arrow,  ColorRole::Hover,      ColorRole::Pressed};

constexpr std::size_t roleIndex(ColorRole role) {
    return static_cast<std::size_t>(role);
}
constexpr bool isStateRole(ColorRole role) {
    return roleIndex(role) >= colorRoleCount;
}

// How a page's scrollbar-base-color gives a role the page does not set itself (the base's hue
// kept throughout).
enum class BaseDerivation {
    Base,        // the base itself
    Lighter,     // a quarter lighter; white for a light base
    HalfToWhite, // half way to white
    TwoThirds,   // two thirds of each channel
    OneThird,    // one third of each channel
    Contrasting, // black or white, whichever stands out more
    None,        // not given by the base
};

// Everything the program says and keeps of one role: one row each, so that a colour left
// out of any list is a row left out, which the table's check below refuses to build. The four
// texts the windows show, label to spoken name, are marked for the translators ("ColorRole").
struct RoleRow {
    ColorRole role;
    std::string_view key;          // in a project's section of the project file: "1" to "9"
    std::string_view css;          // the classic property, "scrollbar-face-color"; none for states
    std::string_view rowLabel;     // beside the role's field on the main window
    std::string_view tooltip;      // of the role's parts of the enlarged picture
    std::string_view chooserTitle; // of the colour chooser opened for it
    std::string_view spoken;       // the field as assistive technology names it
    std::string_view lightDefault; // what a new project and Reset give it; none for states
    std::string_view darkDefault;  // what a new dark set gives it
    BaseDerivation derivation;
};

const RoleRow& roleRow(ColorRole role);

// "scrollbar-face-color" and so on.
std::string_view cssPropertyName(ColorRole role);
// The role's key in a project's section of the project file: "1" to "9".
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
