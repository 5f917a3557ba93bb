#pragma once

#include "scheme/ColorRole.h"
#include "scheme/HexColor.h"

#include <QColor>
#include <QProxyStyle>

#include <array>
#include <optional>

class QPainter;
class QPalette;

namespace brisvane {

// Draws scroll bars the way the old desktop browser did for a page that set the seven
// scrollbar-*-color properties: raised two-pixel bevels, solid arrow glyphs, a flat track.
// Geometry and painting are both done here, so that clicks hit what is drawn. A colour the
// page did not give falls back to the scroll bar's palette; a missing track colour gives the
// classic checkerboard of face and highlight. The slider and the arrow buttons take a hover
// face while the pointer is over them and a pressed face while they are held, where given.
class ClassicScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int extent = 16;
    static constexpr int minimumSliderLength = 8;

    // Built on Fusion for everything but the scroll bar, so that the application's own style
    // object is never taken over.
    explicit ClassicScrollBarStyle(QObject* parent = nullptr);

    // Takes a document's colours, a role without one taking the palette's. Returns false when
    // they are the ones already in use, so that callers can skip repainting.
    bool setColors(const std::array<std::optional<ColorValue>, colorRoleCount>& colors);
    // Takes the faces of the pointed-at and the held parts, which no page declares: the window
    // that shows the page gives them. A state without one keeps the face. Returns false when
    // they are the ones already in use.
    bool setStateColors(std::optional<ColorValue> hover, std::optional<ColorValue> pressed);

    // The colour the document gave for a role, when it is a valid one.
    std::optional<QColor> customColor(ColorRole role) const { return m_colors[roleIndex(role)]; }
    // The colour painted for a role with this palette. For the track without a colour of its
    // own this is the face colour, over which the highlight checkerboard is laid; so it is for
    // a state without one.
    QColor resolvedColor(ColorRole role, const QPalette& palette) const;
    // The palette colour that stands in for a role the document did not give.
    static QColor fallbackColor(ColorRole role, const QPalette& palette);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    std::array<std::optional<QColor>, everyRoleCount> m_colors;
};

} // namespace brisvane
