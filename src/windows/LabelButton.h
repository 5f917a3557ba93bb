#pragma once

#include "windows/ClickTracker.h"
#include "windows/ShapeControl.h"

#include <QLabel>
#include <QPointer>

namespace brisvane {

// A button drawn as a centred caption over two rounded shapes: a grey-outlined back shape
// and a white front shape that is filled only while the button is lit. The caption is the
// part that takes the pointer; the shapes let it through to the window beneath.
class LabelButton : public QLabel {
    Q_OBJECT

public:
    // Rectangles in pixels, in the parent's coordinates.
    LabelButton(const QString& caption, const QRect& label, const QRect& back, const QRect& front,
                QWidget* parent);
    ~LabelButton() override;

    ShapeControl* backShape() const { return m_back; }
    ShapeControl* frontShape() const { return m_front; }
    bool isLit() const { return m_lit; }
    void setLit(bool lit);
    // A chosen button of a set of choices keeps its front shape shown and its caption bold,
    // lit or not.
    bool isChosen() const { return m_chosen; }
    void setChosen(bool chosen);

signals:
    void clicked();
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The parent may delete the shapes first: they stack below the caption.
    QPointer<ShapeControl> m_back;
    QPointer<ShapeControl> m_front;
    ClickTracker m_click;
    bool m_lit = false;
    bool m_chosen = false;
};

} // namespace brisvane
