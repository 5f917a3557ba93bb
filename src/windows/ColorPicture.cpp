#include "windows/ColorPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace brisvane {

ColorPicture::ColorPicture(Look look, QWidget* parent) : QWidget(parent), m_look(look) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorPicture::setBackColor(ColorValue value) {
    if (value == m_backColor)
        return;
    m_backColor = value;
    update();
}

QSize ColorPicture::sizeHint() const {
    return m_look == Look::Swatch ? QSize(19, 18) : QSize(16, 16);
}

void ColorPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qColorFromValue(m_backColor));
    if (m_look != Look::Swatch)
        return;
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The glyph: a white box with a black edge, 6 by 6 pixels, in the lower left corner of
    // a 16 by 16 picture that sits inside the frame.
    const QRect glyph(1, 1 + 16 - 6, 6, 6);
    p.fillRect(glyph, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(glyph.adjusted(0, 0, -1, -1));
}

void ColorPicture::mousePressEvent(QMouseEvent* event) {
    m_click.press(event);
}

void ColorPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (m_click.release(event, this))
        emit clicked();
}

} // namespace brisvane
