#pragma once

#include "windows/ClickTracker.h"
#include "windows/ShapeControl.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>

namespace brisvane {

// A button drawn as a centred caption over two rounded shapes: a grey-outlined back shape
// and a white front shape that is filled only while the button is lit. The caption is the
// part that takes the pointer; the shapes let it through to the window beneath.
//
// For the keyboard it is a button as any other: Tab reaches it, a dotted rectangle round its
// caption shows the focus, as on the classic desktop, and Space or Enter presses it. For
// assistive technology it is a push button (or a radio button or page tab of a set of
// choices) named by its caption, with the Press action.
class LabelButton : public QWidget {
    Q_OBJECT

public:
    // Rectangles in pixels, in the parent's coordinates.
    LabelButton(const QString& caption, const QRect& label, const QRect& back, const QRect& front,
                QWidget* parent);
    // A caption alone, with no shapes: a tab's.
    LabelButton(const QString& caption, const QRect& label, QWidget* parent);
    ~LabelButton() override;

    // The caption, drawn centred. A plain widget rather than a label: a label that takes the
    // focus keeps a whole text document for its caption, which costs every button at start-up.
    const QString& text() const { return m_text; }
    void setText(const QString& caption);
    void setAlignment(Qt::Alignment alignment);

    ShapeControl* backShape() const { return m_back; }
    ShapeControl* frontShape() const { return m_front; }
    bool isLit() const { return m_lit; }
    void setLit(bool lit);
    // A chosen button of a set of choices keeps its front shape shown and its caption bold,
    // lit or not.
    bool isChosen() const { return m_chosen; }
    void setChosen(bool chosen);

    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    // What a click does: for the keys and for assistive technology's Press.
    void press() { emit clicked(); }

signals:
    void clicked();
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The parent may delete the shapes first: they stack below the caption.
    QPointer<ShapeControl> m_back;
    QPointer<ShapeControl> m_front;
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    ClickTracker m_click;
    bool m_lit = false;
    bool m_chosen = false;
    QAccessible::Role m_role = QAccessible::Button;
};

// Draws the classic desktop's focus mark, a dotted rectangle, round `around` in widget, in the
// text colour or the colour given.
void paintFocusMark(QWidget& widget, const QRect& around, const QColor& color = {});

} // namespace brisvane
