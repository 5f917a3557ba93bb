#include "windows/LabelButton.h"

#include "windows/ShapeControl.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace brisvane {

namespace {

// How assistive technology sees a LabelButton: its role, its caption as its name, whether it
// is the chosen one of its set, and Press.
class LabelButtonAccessible : public QAccessibleWidget {
public:
    explicit LabelButtonAccessible(LabelButton* button)
        : QAccessibleWidget(button, button->accessibleRole()) {}

    // Asked each time: the window may set the role after the button was first seen.
    QAccessible::Role role() const override { return button()->accessibleRole(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? button()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() != QAccessible::Button) {
            s.checkable = true;
            s.checked = button()->isChosen();
        }
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction())
            button()->press();
    }

private:
    LabelButton* button() const { return static_cast<LabelButton*>(widget()); }
};

QAccessibleInterface* labelButtonInterface(const QString&, QObject* object) {
    auto* button = qobject_cast<LabelButton*>(object);
    return button ? new LabelButtonAccessible(button) : nullptr;
}

} // namespace

LabelButton::LabelButton(const QString& caption, const QRect& label, const QRect& back,
                         const QRect& front, QWidget* parent)
    : LabelButton(caption, label, parent) {
    m_back = new ShapeControl(ShapeControl::Form::RoundedRectangle, parent);
    m_front = new ShapeControl(ShapeControl::Form::RoundedRectangle, parent);
    m_back->setGeometry(back);
    m_back->setBorderColor(QColor(0x80, 0x80, 0x80));
    m_front->setGeometry(front);
    m_front->setFillColor(Qt::white);
    // The caption stacks above its shapes.
    m_front->stackUnder(this);
    m_back->stackUnder(m_front);
}

LabelButton::LabelButton(const QString& caption, const QRect& label, QWidget* parent)
    : QWidget(parent), m_text(caption) {
    static const bool installed = [] {
        QAccessible::installFactory(labelButtonInterface);
        return true;
    }();
    (void)installed;
    setGeometry(label);
    setMouseTracking(true);
    // Tab reaches it; a click leaves the focus where it was, as before.
    setFocusPolicy(Qt::TabFocus);
}

LabelButton::~LabelButton() {
    // The shapes belong to the button, though they are its parent's children for stacking.
    delete m_front;
    delete m_back;
}

void LabelButton::setText(const QString& caption) {
    m_text = caption;
    update();
}

void LabelButton::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void LabelButton::setLit(bool lit) {
    m_lit = lit;
    if (m_front)
        m_front->setFillOpaque(m_lit || m_chosen);
}

void LabelButton::setChosen(bool chosen) {
    m_chosen = chosen;
    QFont bold = font();
    bold.setBold(chosen);
    setFont(bold);
    if (m_front)
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

void LabelButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        press();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LabelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, rect(), m_alignment, palette(), isEnabled(), m_text,
                          foregroundRole());
    p.end();
    if (hasFocus())
        paintFocusMark(*this, fontMetrics().boundingRect(rect(), m_alignment, m_text));
}

void paintFocusMark(QWidget& widget, const QRect& around, const QColor& color) {
    QPainter p(&widget);
    QPen dotted(color.isValid() ? color : widget.palette().color(QPalette::WindowText), 1,
                Qt::DotLine);
    p.setPen(dotted);
    p.drawRect(around.adjusted(-2, -1, 1, 0).intersected(widget.rect().adjusted(0, 0, -1, -1)));
}

} // namespace brisvane
