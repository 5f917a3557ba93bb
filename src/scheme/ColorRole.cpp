#include "scheme/ColorRole.h"
#include "base/Translatable.h"

#include <algorithm>

namespace brisvane {

namespace {

using D = BaseDerivation;

// Dark defaults: a raised bar a little lighter than the track, whose thumb and arrows stand
// out from their ground by more than three to one.
constexpr std::array<RoleRow, everyRoleCount> roleTable{{
    {ColorRole::Face, "1", "scrollbar-face-color", QT_TRANSLATE_NOOP("ColorRole", "Face:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Face Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Face Color"), QT_TRANSLATE_NOOP("ColorRole", "Face color"),
     "#C0C0C0", "#6E6E6E", D::Base},
    {ColorRole::Highlight, "2", "scrollbar-highlight-color",
     QT_TRANSLATE_NOOP("ColorRole", "Highlight:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Highlight Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Highlight Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Highlight color"), "#FFFFFF", "#9A9A9A", D::Lighter},
    {ColorRole::ThreeDLight, "3", "scrollbar-3dlight-color",
     QT_TRANSLATE_NOOP("ColorRole", "3d Light:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the 3d Light Color"),
     QT_TRANSLATE_NOOP("ColorRole", "3D Light Color"),
     QT_TRANSLATE_NOOP("ColorRole", "3D Light color"), "#C0C0C0", "#7E7E7E", D::Base},
    {ColorRole::Shadow, "4", "scrollbar-shadow-color", QT_TRANSLATE_NOOP("ColorRole", "Shadow:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Shadow Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Shadow Color"), QT_TRANSLATE_NOOP("ColorRole", "Shadow color"),
     "#808080", "#4A4A4A", D::TwoThirds},
    {ColorRole::DarkShadow, "5", "scrollbar-darkshadow-color",
     QT_TRANSLATE_NOOP("ColorRole", "Darkshadow:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Darkshadow Color"),
     QT_TRANSLATE_NOOP("ColorRole", "DarkShadow Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Dark Shadow color"), "#404040", "#0C0C0C", D::OneThird},
    {ColorRole::Track, "6", "scrollbar-track-color", QT_TRANSLATE_NOOP("ColorRole", "Track:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Track Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Track Color"), QT_TRANSLATE_NOOP("ColorRole", "Track color"),
     "#E0E0E0", "#262626", D::HalfToWhite},
    {ColorRole::Arrow, "7", "scrollbar-arrow-color", QT_TRANSLATE_NOOP("ColorRole", "Arrows:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Arrow Color"),
     QT_TRANSLATE_NOOP("ColorRole", "ArrowColor"), QT_TRANSLATE_NOOP("ColorRole", "Arrow color"),
     "#000000", "#F2F2F2", D::Contrasting},
    {ColorRole::Hover, "8", "", QT_TRANSLATE_NOOP("ColorRole", "Hover:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Hover Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Hover Color"), QT_TRANSLATE_NOOP("ColorRole", "Hover color"),
     "", "", D::None},
    {ColorRole::Pressed, "9", "", QT_TRANSLATE_NOOP("ColorRole", "Pressed:"),
     QT_TRANSLATE_NOOP("ColorRole", "Click here to change the Pressed Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Pressed Color"),
     QT_TRANSLATE_NOOP("ColorRole", "Pressed color"), "", "", D::None},
}};

// Every role has its row, in role order, and every classic role what the classic bar needs.
static_assert(std::ranges::all_of(everyColorRole, [](ColorRole role) {
    const RoleRow& row = roleTable[roleIndex(role)];
    return row.role == role && !row.key.empty() && !row.rowLabel.empty() && !row.tooltip.empty() &&
           !row.chooserTitle.empty() && !row.spoken.empty() &&
           (isStateRole(role) || (!row.css.empty() && !row.lightDefault.empty() &&
                                  !row.darkDefault.empty() && row.derivation != D::None));
}));

} // namespace

const RoleRow& roleRow(ColorRole role) {
    return roleTable[roleIndex(role)];
}
std::string_view cssPropertyName(ColorRole role) {
    return roleRow(role).css;
}
std::string_view projectKey(ColorRole role) {
    return roleRow(role).key;
}
std::string_view rowLabel(ColorRole role) {
    return roleRow(role).rowLabel;
}
std::string_view pictureTooltip(ColorRole role) {
    return roleRow(role).tooltip;
}
std::string_view chooserTitle(ColorRole role) {
    return roleRow(role).chooserTitle;
}
std::string_view spokenName(ColorRole role) {
    return roleRow(role).spoken;
}

} // namespace brisvane
