#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace brisvane {

// A click, as the old desktop counted it: the left button pressed over a widget and released
// over the same widget.
class ClickTracker {
public:
    void press(const QMouseEvent* event) { m_pressed = event->button() == Qt::LeftButton; }
    // True when this release completes a click on the widget.
    bool release(const QMouseEvent* event, const QWidget* widget) {
        const bool click = m_pressed && event->button() == Qt::LeftButton &&
                           widget->rect().contains(event->position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed = false;
};

} // namespace brisvane
