#include "windows/ShapeControl.h"

#include <QPainter>

namespace brisvane {

ShapeControl::ShapeControl(Form form, QWidget* parent) : QWidget(parent), m_form(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setBorderColor(const QColor& color) {
    m_border = color;
    update();
}

void ShapeControl::setFillColor(const QColor& color) {
    m_fill = color;
    update();
}

void ShapeControl::setFillOpaque(bool opaque) {
    if (opaque == m_fillOpaque)
        return;
    m_fillOpaque = opaque;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    if (!m_fillOpaque && !m_border.isValid())
        return;
    QPainter p(this);
    p.setPen(m_border.isValid() ? QPen(m_border) : QPen(Qt::NoPen));
    p.setBrush(m_fillOpaque ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_form == Form::Rectangle) {
        p.drawRect(r);
    } else {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(r, 5, 5);
    }
}

} // namespace brisvane
