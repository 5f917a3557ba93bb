#include "windows/frmHexErr.h"

#include "platform/Twips.h"
#include "windows/ProgramFont.h"

#include <QLabel>
#include <QMouseEvent>

namespace brisvane {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

} // namespace

frmHexErr::frmHexErr(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Hex Error"));
    setFont(programFont());
    setFixedSize(twipsToPixels(3105), twipsToPixels(1155));

    auto* picHexError = new QWidget(this);
    picHexError->setGeometry(twipsRect(0, 0, 3105, 1155));
    picHexError->setAutoFillBackground(true);
    QPalette yellow = picHexError->palette();
    yellow.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    picHexError->setPalette(yellow);

    addLabel(picHexError,
             QStringLiteral("You entered a NON-Hexadecimal Digit. These boxes will accept only the "
                            "following Hexadecimal Digits:"),
             twipsRect(75, 60, 3000, 615));
    addLabel(picHexError, QStringLiteral("# 0 1 2 3 4 5 6 7 8 9 A B C D E F"),
             twipsRect(45, 690, 2895, 240));

    m_lblMoInfo =
        addLabel(picHexError, QStringLiteral("More info."), twipsRect(1185, 900, 885, 240));
    m_lblMoInfo->setObjectName("lblMoInfo");
    QFont link = programFont();
    link.setUnderline(true);
    m_lblMoInfo->setFont(link);
    QPalette blue = m_lblMoInfo->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
    m_lblMoInfo->setPalette(blue);
    m_lblMoInfo->setCursor(Qt::PointingHandCursor);
    m_lblMoInfo->installEventFilter(this);
}

bool frmHexErr::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lblMoInfo && event->type() == QEvent::MouseButtonPress) {
        m_click.press(static_cast<QMouseEvent*>(event));
        return true;
    }
    if (watched == m_lblMoInfo && event->type() == QEvent::MouseButtonRelease) {
        if (m_click.release(static_cast<QMouseEvent*>(event), m_lblMoInfo))
            emit moreInfoRequested();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace brisvane
