#include "windows/ColorRows.h"

#include "platform/Twips.h"
#include "scheme/HexColor.h"
#include "scheme/ScrollbarScheme.h"
#include "windows/ColorField.h"
#include "windows/ColorPicture.h"
#include "windows/PictureFaceStates.h"

#include <QLabel>
#include <algorithm>

namespace brisvane {

namespace {

// A role's row on the form: its caption, its swatch, and its field 360 twips right of the
// swatch, all at the row's top; the parts' names end in the row's name ("txtHex0",
// "picColorsHover"). In reading order, which is the order Tab goes: the face group down the
// left column 480 twips apart (Shadow's and DarkShadow's captions a little further left), the
// hover and pressed rows on down it, then Track and Arrow at the top of the middle column.
struct RowPlace {
    ColorRole role;
    const char* name;
    int captionLeft;
    int captionWidth;
    int swatchLeft;
    int top;
};
constexpr RowPlace rowPlaces[] = {
    {ColorRole::Face, "0", 240, 1200, 1560, 3000},
    {ColorRole::Highlight, "1", 240, 1200, 1560, 3480},
    {ColorRole::ThreeDLight, "2", 240, 1200, 1560, 3960},
    {ColorRole::Shadow, "3", 225, 1200, 1560, 4440},
    {ColorRole::DarkShadow, "4", 225, 1200, 1560, 4920},
    {ColorRole::Hover, "Hover", 240, 1200, 1560, 5400},
    {ColorRole::Pressed, "Pressed", 240, 1200, 1560, 5880},
    {ColorRole::Track, "Track", 3360, 840, 4200, 3000},
    {ColorRole::Arrow, "Arrows", 3360, 840, 4200, 3480},
};

// The enlarged picture's thirteen strips, from the back of the stack to the front: a widget
// made later covers one made earlier. The thumb's strips and the arrow button's (the arrow
// drawn on it) take the hover and pressed faces.
enum class Strip { Track, Thumb, Button };
struct StripPlace {
    ColorRole role;
    const char* name;
    Strip part;
    int left;
    int top;
    int width;
    int height;
};
constexpr StripPlace stripPlaces[] = {
    {ColorRole::DarkShadow, "picTColor4", Strip::Button, 6120, 255, 2640, 2385},
    {ColorRole::Track, "picBTrack", Strip::Track, 240, 240, 1740, 2415},
    {ColorRole::DarkShadow, "picBColor4", Strip::Thumb, 1920, 255, 4230, 2385},
    {ColorRole::ThreeDLight, "picTColor2", Strip::Button, 6360, 255, 2400, 2160},
    {ColorRole::Shadow, "picTColor3", Strip::Button, 6360, 480, 2175, 1935},
    {ColorRole::Highlight, "picTColor1", Strip::Button, 6600, 480, 1935, 1710},
    {ColorRole::Face, "picTColor0", Strip::Button, 6600, 735, 1695, 1455},
    {ColorRole::ThreeDLight, "picBColor2", Strip::Thumb, 2160, 255, 3990, 2145},
    {ColorRole::Shadow, "picBColor3", Strip::Thumb, 2160, 480, 3735, 1920},
    {ColorRole::Highlight, "picBColor1", Strip::Thumb, 2400, 480, 3495, 1695},
    {ColorRole::Face, "picBColor0", Strip::Thumb, 2400, 720, 3255, 1455},
    {ColorRole::Arrow, "picBArrow0", Strip::Button, 7200, 1080, 255, 735},
    {ColorRole::Arrow, "picBArrow1", Strip::Button, 7440, 1320, 255, 255},
};

// A role left out of the rows, or given two, would leave a field that nothing makes.
constexpr bool everyRoleHasOneRow() {
    for (ColorRole role : everyColorRole) {
        if (std::ranges::count(rowPlaces, role, &RowPlace::role) != 1)
            return false;
    }
    return std::size(rowPlaces) == everyRoleCount;
}
static_assert(everyRoleHasOneRow());

} // namespace

ColorRows::ColorRows(AppState& state, QWidget* form) {
    buildPicture(state, form);
    buildRows(form);
}

void ColorRows::buildPicture(AppState& state, QWidget* form) {
    // The thumb's strips and the button's, each with its face strip first.
    std::vector<ColorPicture*> thumb, button;
    for (const StripPlace& s : stripPlaces) {
        auto* strip = new ColorPicture(ColorPicture::Look::Plain, form);
        strip->setObjectName(s.name);
        strip->setGeometry(twipsRect(s.left, s.top, s.width, s.height));
        strip->setToolTip(roleText(pictureTooltip(s.role)));
        strip->setAccessibleName(
            tr("%1 in the enlarged scrollbar").arg(roleText(spokenName(s.role))));
        m_parts[roleIndex(s.role)].push_back(strip);
        if (s.part != Strip::Track) {
            std::vector<ColorPicture*>& part = s.part == Strip::Thumb ? thumb : button;
            part.insert(s.role == ColorRole::Face ? part.begin() : part.end(), strip);
        }
    }
    m_faceStates = new PictureFaceStates(state, form);
    m_faceStates->addPart(thumb);
    m_faceStates->addPart(button);
}

void ColorRows::buildRows(QWidget* form) {
    // Until a project is created or opened, the window shows the start colours; the states
    // are unset and show the face.
    for (const RowPlace& row : rowPlaces) {
        const ColorRole role = row.role;
        const QString spoken = roleText(spokenName(role));
        auto* caption = new QLabel(roleText(rowLabel(role)), form);
        caption->setTextFormat(Qt::PlainText);
        caption->setGeometry(twipsRect(row.captionLeft, row.top, row.captionWidth, 255));
        auto* swatch = new ColorPicture(ColorPicture::Look::Swatch, form);
        swatch->setObjectName(QStringLiteral("picColors") + QLatin1String(row.name));
        swatch->setGeometry(twipsRect(row.swatchLeft, row.top, 285, 270));
        swatch->setToolTip(tr("Click here to change color"));
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setAccessibleName(tr("%1: choose").arg(spoken));
        m_parts[roleIndex(role)].insert(m_parts[roleIndex(role)].begin(), swatch);

        auto* field = new ColorField(QString(), form);
        field->setObjectName(QStringLiteral("txtHex") + QLatin1String(row.name));
        field->setGeometry(twipsRect(row.swatchLeft + 360, row.top, 1050, 270));
        field->setAccessibleName(spoken);
        field->setAccessibleDescription(
            isStateRole(role) ? tr("# and six hexadecimal digits, or empty for the face")
                              : tr("# and six hexadecimal digits"));
        m_fields[roleIndex(role)] = field;
        for (ColorPicture* part : parts(role))
            part->setBackColor(hexToColor(startScheme.faceWhile(role)));
        field->setText(QString::fromStdString(startScheme.color(role)));
    }
}

} // namespace brisvane
