#include "windows/LabelButtonGroup.h"

#include "windows/LabelButton.h"

#include <QEvent>
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
    // Moves reach the background only where no child takes them.
    if (watched == m_background && event->type() == QEvent::MouseMove)
        lightOnly(nullptr);
    return QObject::eventFilter(watched, event);
}

} // namespace brisvane
