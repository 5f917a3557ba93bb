#include "windows/frmHexErr.h"

#include "platform/Twips.h"
#include "windows/ProgramFont.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

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

// The window as an alert named by what it says.
class HexErrorAccessible : public QAccessibleWidget {
public:
    explicit HexErrorAccessible(frmHexErr* window)
        : QAccessibleWidget(window, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name || t == QAccessible::Description
                   ? static_cast<frmHexErr*>(widget())->message()
                   : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* hexErrorInterface(const QString&, QObject* object) {
    auto* window = qobject_cast<frmHexErr*>(object);
    return window ? new HexErrorAccessible(window) : nullptr;
}

} // namespace

frmHexErr::frmHexErr(QWidget* parent) : QDialog(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(hexErrorInterface);
        return true;
    }();
    (void)installed;
    setWindowTitle(tr("Hex Error"));
    setFont(programFont());
    setFixedSize(twipsToPixels(3105), twipsToPixels(1155));

    auto* picHexError = new QWidget(this);
    picHexError->setGeometry(twipsRect(0, 0, 3105, 1155));
    picHexError->setAutoFillBackground(true);
    QPalette yellow = picHexError->palette();
    yellow.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    picHexError->setPalette(yellow);

    m_message = addLabel(picHexError,
                         tr("You entered a NON-Hexadecimal Digit. These boxes will accept only "
                            "the following Hexadecimal Digits:"),
                         twipsRect(75, 60, 3000, 615));
    m_digits = addLabel(picHexError, QStringLiteral("# 0 1 2 3 4 5 6 7 8 9 A B C D E F"),
                        twipsRect(45, 690, 2895, 240));

    // A link: the mouse follows it as before, Tab reaches it and Enter follows it too.
    m_lblMoInfo = new QLabel(QStringLiteral("<a href=\"mod.htm\" style=\"color:#0000FF\">%1</a>")
                                 .arg(tr("More info.").toHtmlEscaped()),
                             picHexError);
    m_lblMoInfo->setObjectName("lblMoInfo");
    m_lblMoInfo->setGeometry(twipsRect(1185, 900, 885, 240));
    m_lblMoInfo->setTextFormat(Qt::RichText);
    m_lblMoInfo->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                         Qt::LinksAccessibleByKeyboard);
    m_lblMoInfo->setCursor(Qt::PointingHandCursor);
    connect(m_lblMoInfo, &QLabel::linkActivated, this, &frmHexErr::moreInfoRequested);
    m_lblMoInfo->setFocus();
}

QString frmHexErr::message() const {
    return m_message->text() + QLatin1Char(' ') + m_digits->text();
}

void frmHexErr::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Read out as it opens, as a message box is.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace brisvane
