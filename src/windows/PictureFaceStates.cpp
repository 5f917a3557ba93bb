#include "windows/PictureFaceStates.h"

#include "windows/AppState.h"
#include "windows/ColorPicture.h"

#include <QMouseEvent>
#include <algorithm>

namespace brisvane {

PictureFaceStates::PictureFaceStates(AppState& state, QObject* parent)
    : QObject(parent), m_state(state) {}

void PictureFaceStates::addPart(const std::vector<ColorPicture*>& strips) {
    m_parts.push_back({strips, strips.front()});
    for (ColorPicture* strip : strips)
        strip->installEventFilter(this);
}

void PictureFaceStates::showFaces() {
    for (Part& part : m_parts) {
        if (part.shown != ColorRole::Face)
            show(part, part.shown);
    }
}

void PictureFaceStates::show(Part& part, ColorRole state) {
    part.shown = state;
    const ScrollbarScheme& scheme = m_state.editing();
    part.face->setBackColor(hexToColor(state == ColorRole::Face ? scheme.color(ColorRole::Face)
                                                                : scheme.faceWhile(state)));
}

bool PictureFaceStates::pointerOver(const Part& part, const QPointF& global) const {
    // The strips overlap: what counts is the one on top where the pointer is.
    QWidget* form = part.face->parentWidget();
    const QWidget* under = form->childAt(form->mapFromGlobal(global).toPoint());
    return std::ranges::find(part.strips, under) != part.strips.end();
}

bool PictureFaceStates::eventFilter(QObject* watched, QEvent* event) {
    const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
    for (Part& part : m_parts) {
        if (std::ranges::find(part.strips, watched) == part.strips.end())
            continue;
        const bool held = part.shown == ColorRole::Pressed;
        switch (event->type()) {
        // Going from one strip of a part to the next leaves one and enters the other.
        case QEvent::Enter:
            if (!held)
                show(part, ColorRole::Hover);
            break;
        case QEvent::Leave:
            if (!held)
                show(part, ColorRole::Face);
            break;
        case QEvent::MouseButtonPress:
            if (mouse()->button() == Qt::LeftButton)
                show(part, ColorRole::Pressed);
            break;
        case QEvent::MouseButtonRelease:
            // Before the strip takes the click and opens its chooser.
            if (held && mouse()->button() == Qt::LeftButton)
                show(part, pointerOver(part, mouse()->globalPosition()) ? ColorRole::Hover
                                                                        : ColorRole::Face);
            break;
        default:
            break;
        }
    }
    return false;
}

} // namespace brisvane
