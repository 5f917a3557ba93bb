#include "windows/LabelButtonGroup.h"

#include "windows/LabelButton.h"

#include <QMouseEvent>
#include <QWidget>

namespace brisvane {

LabelButtonGroup::LabelButtonGroup(QWidget* background)
    : QObject(background), m_background(background) {
    m_background->setMouseTracking(true);
    m_background->installEventFilter(this);
}

void LabelButtonGroup::add(LabelButton* button) {
    m_buttons.push_back(button);
    connect(button, &LabelButton::pointerMoved, this, [this, button] { lightOnly(button); });
}

void LabelButtonGroup::lightOnly(const LabelButton* button) {
    for (LabelButton* b : m_buttons)
        b->setLit(b == button);
}

bool LabelButtonGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_background)
        return false;
    // Children pass on moves they do not take, and a drag belongs to the element it began on;
    // only the pointer over the background itself, pressed there or not at all, counts.
    // Only a mouse event is one: the cast waits for the type.
    const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_dragFromBackground = !m_background->childAt(mouse()->position().toPoint());
        break;
    case QEvent::MouseButtonRelease:
        m_dragFromBackground = false;
        break;
    case QEvent::MouseMove:
        if (!m_background->childAt(mouse()->position().toPoint()) &&
            (mouse()->buttons() == Qt::NoButton || m_dragFromBackground))
            lightOnly(nullptr);
        break;
    default:
        break;
    }
    return false;
}

} // namespace brisvane
