#pragma once

#include <QColor>
#include <QWidget>

namespace brisvane {

// A drawn shape: a rectangle or rounded rectangle with an optional outline and a fill that
// is either opaque or transparent. Like a shape on paper it takes no mouse input: the
// pointer over it counts as being over what lies beneath.
class ShapeControl : public QWidget {
    Q_OBJECT

public:
    enum class Form { Rectangle, RoundedRectangle };

    ShapeControl(Form form, QWidget* parent = nullptr);

    void setBorderColor(const QColor& color); // invalid colour: no outline
    void setFillColor(const QColor& color);
    bool isFillOpaque() const { return m_fillOpaque; }
    void setFillOpaque(bool opaque);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form m_form;
    QColor m_border;
    QColor m_fill = Qt::white;
    bool m_fillOpaque = false;
};

} // namespace brisvane
