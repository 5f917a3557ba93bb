#include "windows/LabelButton.h"

#include "windows/ShapeControl.h"

#include <QMouseEvent>

namespace brisvane {

LabelButton::LabelButton(const QString& caption, const QRect& label, const QRect& back,
                         const QRect& front, QWidget* parent)
    : QLabel(parent), m_back(new ShapeControl(ShapeControl::Form::RoundedRectangle, parent)),
      m_front(new ShapeControl(ShapeControl::Form::RoundedRectangle, parent)) {
    m_back->setGeometry(back);
    m_back->setBorderColor(QColor(0x80, 0x80, 0x80));
    m_front->setGeometry(front);
    m_front->setFillColor(Qt::white);
    // The caption stacks above its shapes.
    m_front->stackUnder(this);
    m_back->stackUnder(m_front);
    setText(caption);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setGeometry(label);
    setMouseTracking(true);
}

LabelButton::~LabelButton() {
    // The shapes belong to the button, though they are its parent's children for stacking.
    delete m_front;
    delete m_back;
}

void LabelButton::setLit(bool lit) {
    m_lit = lit;
    m_front->setFillOpaque(m_lit || m_chosen);
}

void LabelButton::setChosen(bool chosen) {
    m_chosen = chosen;
    QFont bold = font();
    bold.setBold(chosen);
    setFont(bold);
    m_front->setFillOpaque(m_lit || m_chosen);
}

void LabelButton::mouseMoveEvent(QMouseEvent*) {
    emit pointerMoved();
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
    m_click.press(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (m_click.release(event, this))
        emit clicked();
}

} // namespace brisvane
