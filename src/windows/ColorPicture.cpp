#include "windows/ColorPicture.h"

#include "windows/LabelButton.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace brisvane {

namespace {

class ColorPictureAccessible : public QAccessibleWidget {
public:
    explicit ColorPictureAccessible(ColorPicture* picture)
        : QAccessibleWidget(picture,
                            picture->isSwatch() ? QAccessible::Button : QAccessible::Graphic) {}
    QStringList actionNames() const override {
        return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (role() == QAccessible::Button && name == pressAction())
            emit static_cast<ColorPicture*>(widget())->clicked();
    }
};

QAccessibleInterface* colorPictureInterface(const QString&, QObject* object) {
    auto* picture = qobject_cast<ColorPicture*>(object);
    return picture ? new ColorPictureAccessible(picture) : nullptr;
}

} // namespace

ColorPicture::ColorPicture(Look look, QWidget* parent) : QWidget(parent), m_look(look) {
    static const bool installed = [] {
        QAccessible::installFactory(colorPictureInterface);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (look == Look::Swatch)
        setFocusPolicy(Qt::TabFocus);
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
    p.end();
    if (hasFocus()) // black on a light colour, white on a dark one
        paintFocusMark(*this, rect().adjusted(3, 2, -2, -2),
                       qColorFromValue(m_backColor).lightness() < 128 ? Qt::white : Qt::black);
}

void ColorPicture::mousePressEvent(QMouseEvent* event) {
    m_click.press(event);
}

void ColorPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (m_click.release(event, this))
        emit clicked();
}

void ColorPicture::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (m_look == Look::Swatch && !event->isAutoRepeat() &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace brisvane
