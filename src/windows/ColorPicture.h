#pragma once

#include "windows/ClickTracker.h"

#include "platform/QtColor.h"

#include <QColor>
#include <QWidget>

namespace brisvane {

// A plain coloured box that reports clicks: a colour swatch, or one strip of the enlarged
// scrollbar picture. Its only state is its back colour. A swatch is a push button for the
// keyboard (Tab, a dotted focus mark, Space or Enter) and for assistive technology (Press); a
// strip is a picture with a name.
class ColorPicture : public QWidget {
    Q_OBJECT

public:
    enum class Look {
        Plain,  // just the colour, so that neighbouring strips draw the picture
        Swatch, // a thin frame and the small box glyph in the lower left corner
    };

    explicit ColorPicture(Look look, QWidget* parent = nullptr);

    ColorValue backColor() const { return m_backColor; }
    void setBackColor(ColorValue value);

    QSize sizeHint() const override;
    bool isSwatch() const { return m_look == Look::Swatch; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Look m_look;
    ColorValue m_backColor = 0x808080;
    ClickTracker m_click;
};

} // namespace brisvane
