#include "platform/ProgramStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>

namespace brisvane {

namespace {

// A standard icon that asks its style for the real one when it is first drawn or measured.
class LaterStandardIcon : public QIconEngine {
public:
    LaterStandardIcon(QStyle* style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // Asked by buttons as they are made; a style always has these icons.
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new LaterStandardIcon(*this); }

private:
    const QIcon& icon() {
        if (!m_made) {
            if (m_style)
                m_icon = m_style->standardIcon(m_which);
            m_made = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_made = false;
};

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new LaterStandardIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

void installProgramStyle() {
    QApplication::setStyle(new ProgramStyle);
}

} // namespace brisvane
