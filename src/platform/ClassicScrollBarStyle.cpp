#include "platform/ClassicScrollBarStyle.h"

#include "platform/QtColor.h"

#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>

namespace brisvane {

namespace {

struct Palette {
    QColor face;
    QColor highlight;
    QColor light3d;
    QColor shadow;
    QColor darkShadow;
    QColor arrow;
    std::optional<QColor> track;
};

// Fills a rectangle given by its corners; empty ones are skipped, so callers need not check.
void fill(QPainter* painter, int left, int top, int right, int bottom, const QColor& color) {
    if (right >= left && bottom >= top)
        painter->fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), color);
}

// One ring of a bevel. Bottom and right go last, so they own the corners they share with top
// and left, as on the old desktop.
void drawRing(QPainter* painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    if (r.isEmpty())
        return;
    fill(painter, r.left(), r.top(), r.right(), r.top(), topLeft);
    fill(painter, r.left(), r.top(), r.left(), r.bottom(), topLeft);
    fill(painter, r.left(), r.bottom(), r.right(), r.bottom(), bottomRight);
    fill(painter, r.right(), r.top(), r.right(), r.bottom(), bottomRight);
}

void drawRaised(QPainter* painter, const QRect& r, const Palette& colors) {
    if (r.isEmpty())
        return;
    painter->fillRect(r, colors.face);
    drawRing(painter, r, colors.light3d, colors.darkShadow);
    drawRing(painter, r.adjusted(1, 1, -1, -1), colors.highlight, colors.shadow);
}

enum class ArrowDirection { Up, Down, Left, Right };

// A solid triangle, twice as wide as it is deep less one pixel, centred in the button: seven by
// four pixels in a sixteen-pixel button.
void drawGlyph(QPainter* painter, const QRect& button, ArrowDirection direction,
               const QColor& color, QPoint offset) {
    const int size = std::min(button.width(), button.height());
    if (size < 5)
        return;
    const int depth = std::max(1, (size - 4) / 3);
    const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    const bool pointsBack = direction == ArrowDirection::Up || direction == ArrowDirection::Left;
    for (int i = 0; i < depth; ++i) {
        const int half = pointsBack ? i : depth - 1 - i;
        if (vertical) {
            const int centre = button.left() + (button.width() - 1) / 2 + offset.x();
            const int row = button.top() + (button.height() - depth) / 2 + i + offset.y();
            painter->fillRect(QRect(centre - half, row, 2 * half + 1, 1), color);
        } else {
            const int centre = button.top() + (button.height() - 1) / 2 + offset.y();
            const int column = button.left() + (button.width() - depth) / 2 + i + offset.x();
            painter->fillRect(QRect(column, centre - half, 1, 2 * half + 1), color);
        }
    }
}

void drawButton(QPainter* painter, const QRect& r, ArrowDirection direction, bool pressed,
                bool active, const Palette& colors) {
    if (r.isEmpty())
        return;
    QPoint glyphOffset(0, 0);
    if (pressed) {
        painter->fillRect(r, colors.face);
        drawRing(painter, r, colors.shadow, colors.shadow);
        glyphOffset = QPoint(1, 1);
    } else {
        drawRaised(painter, r, colors);
    }
    if (active) {
        drawGlyph(painter, r, direction, colors.arrow, glyphOffset);
    } else {
        // The embossed look of a button that does nothing.
        drawGlyph(painter, r, direction, colors.highlight, glyphOffset + QPoint(1, 1));
        drawGlyph(painter, r, direction, colors.shadow, glyphOffset);
    }
}

struct ScrollBarLayout {
    QRect subLine;
    QRect addLine;
    QRect groove;
    QRect slider;
    QRect subPage;
    QRect addPage;
};

ScrollBarLayout layoutScrollBar(const QStyleOptionSlider& option) {
    const QRect& r = option.rect;
    const bool horizontal = option.orientation == Qt::Horizontal;
    const int length = std::max(0, horizontal ? r.width() : r.height());
    const int thickness = std::max(0, horizontal ? r.height() : r.width());
    // Square buttons, squeezed when the bar is shorter than two of them.
    const int button = std::min(thickness, length / 2);
    const int grooveLength = length - 2 * button;
    const auto span = [&](int start, int size) {
        const QRect part = horizontal ? QRect(r.x() + start, r.y(), size, thickness)
                                      : QRect(r.x(), r.y() + start, thickness, size);
        return QStyle::visualRect(option.direction, r, part);
    };

    ScrollBarLayout layout;
    layout.subLine = span(0, button);
    layout.addLine = span(length - button, button);
    layout.groove = span(button, grooveLength);
    if (option.maximum <= option.minimum || grooveLength <= 0) {
        // Nothing to scroll: no thumb, and the whole groove is track.
        layout.addPage = layout.groove;
        return layout;
    }
    const qint64 range = qint64(option.maximum) - option.minimum;
    const qint64 page = std::max(0, option.pageStep);
    int sliderLength = static_cast<int>(qint64(grooveLength) * page / (range + page));
    sliderLength =
        std::clamp(sliderLength, std::min(ClassicScrollBarStyle::minimumSliderLength, grooveLength),
                   grooveLength);
    const int position =
        QStyle::sliderPositionFromValue(option.minimum, option.maximum, option.sliderPosition,
                                        grooveLength - sliderLength, option.upsideDown);
    layout.subPage = span(button, position);
    layout.slider = span(button + position, sliderLength);
    layout.addPage = span(button + position + sliderLength, grooveLength - position - sliderLength);
    return layout;
}

// Keeps a colour given as a value; true when it differs from the one kept.
bool take(std::optional<QColor>& kept, std::optional<ColorValue> given) {
    std::optional<QColor> color;
    if (given)
        color = qColorFromValue(*given);
    if (color == kept)
        return false;
    kept = color;
    return true;
}

} // namespace

ClassicScrollBarStyle::ClassicScrollBarStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setParent(parent);
}

bool ClassicScrollBarStyle::setColors(
    const std::array<std::optional<ColorValue>, colorRoleCount>& colors) {
    bool changed = false;
    for (std::size_t i = 0; i < colorRoleCount; ++i)
        changed |= take(m_colors[i], colors[i]);
    return changed;
}

bool ClassicScrollBarStyle::setStateColors(std::optional<ColorValue> hover,
                                           std::optional<ColorValue> pressed) {
    const bool hoverChanged = take(m_colors[roleIndex(ColorRole::Hover)], hover);
    return take(m_colors[roleIndex(ColorRole::Pressed)], pressed) || hoverChanged;
}

QColor ClassicScrollBarStyle::fallbackColor(ColorRole role, const QPalette& palette) {
    switch (role) {
    case ColorRole::Face:
    case ColorRole::Track:
    case ColorRole::Hover:
    case ColorRole::Pressed:
        return palette.color(QPalette::Button);
    case ColorRole::Highlight:
        return palette.color(QPalette::Light);
    case ColorRole::ThreeDLight:
        return palette.color(QPalette::Midlight);
    case ColorRole::Shadow:
        return palette.color(QPalette::Dark);
    case ColorRole::DarkShadow:
        return palette.color(QPalette::Shadow);
    case ColorRole::Arrow:
        return palette.color(QPalette::ButtonText);
    }
    return palette.color(QPalette::Button);
}

QColor ClassicScrollBarStyle::resolvedColor(ColorRole role, const QPalette& palette) const {
    if (const auto& color = m_colors[roleIndex(role)])
        return *color;
    if (role == ColorRole::Track || isStateRole(role))
        return resolvedColor(ColorRole::Face, palette);
    return fallbackColor(role, palette);
}

int ClassicScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                       const QWidget* widget) const {
    switch (metric) {
    case PM_ScrollBarExtent:
        return extent;
    case PM_ScrollBarSliderMin:
        return minimumSliderLength;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect ClassicScrollBarStyle::subControlRect(ComplexControl control,
                                            const QStyleOptionComplex* option,
                                            SubControl subControl, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const ScrollBarLayout layout = layoutScrollBar(*bar);
    switch (subControl) {
    case SC_ScrollBarSubLine:
        return layout.subLine;
    case SC_ScrollBarAddLine:
        return layout.addLine;
    case SC_ScrollBarSubPage:
        return layout.subPage;
    case SC_ScrollBarAddPage:
        return layout.addPage;
    case SC_ScrollBarFirst:
        return layout.subLine;
    case SC_ScrollBarLast:
        return layout.addLine;
    case SC_ScrollBarSlider:
        return layout.slider;
    case SC_ScrollBarGroove:
        return layout.groove;
    default:
        return {};
    }
}

void ClassicScrollBarStyle::drawComplexControl(ComplexControl control,
                                               const QStyleOptionComplex* option, QPainter* painter,
                                               const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || !painter) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QPalette& palette = bar->palette;
    Palette colors;
    colors.face = resolvedColor(ColorRole::Face, palette);
    colors.highlight = resolvedColor(ColorRole::Highlight, palette);
    colors.light3d = resolvedColor(ColorRole::ThreeDLight, palette);
    colors.shadow = resolvedColor(ColorRole::Shadow, palette);
    colors.darkShadow = resolvedColor(ColorRole::DarkShadow, palette);
    colors.arrow = resolvedColor(ColorRole::Arrow, palette);
    colors.track = m_colors[roleIndex(ColorRole::Track)];

    const bool scrollable = (bar->state & State_Enabled) && bar->maximum > bar->minimum;
    const bool sunken = scrollable && (bar->state & State_Sunken);
    const auto pressed = [&](SubControl part) {
        return sunken && bar->activeSubControls.testFlag(part);
    };
    // The scroll bar names the part under the pointer while nothing is held.
    const bool pointedAt = scrollable && !sunken && (bar->state & State_MouseOver);
    const auto partColors = [&](SubControl part) {
        Palette shown = colors;
        if (pressed(part))
            shown.face = resolvedColor(ColorRole::Pressed, palette);
        else if (pointedAt && bar->activeSubControls.testFlag(part))
            shown.face = resolvedColor(ColorRole::Hover, palette);
        return shown;
    };
    const auto rect = [&](SubControl part) {
        return proxy()->subControlRect(CC_ScrollBar, bar, part, widget);
    };

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);

    const QRect groove = rect(SC_ScrollBarGroove);
    if (colors.track) {
        painter->fillRect(groove, *colors.track);
    } else {
        painter->fillRect(groove, colors.face);
        // The pattern starts at the bar's corner, wherever the bar is painted.
        painter->setBrushOrigin(bar->rect.topLeft());
        painter->fillRect(groove, QBrush(colors.highlight, Qt::Dense4Pattern));
    }
    for (SubControl page : {SC_ScrollBarSubPage, SC_ScrollBarAddPage}) {
        if (pressed(page))
            painter->fillRect(rect(page), colors.darkShadow);
    }
    if (scrollable)
        drawRaised(painter, rect(SC_ScrollBarSlider), partColors(SC_ScrollBarSlider));

    const bool horizontal = bar->orientation == Qt::Horizontal;
    const bool mirrored = horizontal && bar->direction == Qt::RightToLeft;
    const ArrowDirection back =
        horizontal ? (mirrored ? ArrowDirection::Right : ArrowDirection::Left) : ArrowDirection::Up;
    const ArrowDirection forward = horizontal
                                       ? (mirrored ? ArrowDirection::Left : ArrowDirection::Right)
                                       : ArrowDirection::Down;
    drawButton(painter, rect(SC_ScrollBarSubLine), back, pressed(SC_ScrollBarSubLine), scrollable,
               partColors(SC_ScrollBarSubLine));
    drawButton(painter, rect(SC_ScrollBarAddLine), forward, pressed(SC_ScrollBarAddLine),
               scrollable, partColors(SC_ScrollBarAddLine));
    painter->restore();
}

} // namespace brisvane
