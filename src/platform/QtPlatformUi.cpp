#include "platform/QtPlatformUi.h"

#include "platform/QtColor.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>
#include <QWindow>

namespace brisvane {

namespace {

const QString programTitle = QStringLiteral("Brisvane");

// Dialog texts break their lines with CR LF; the toolkit wants LF alone.
QString displayText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QWidget* activeOwner() {
    return QApplication::activeWindow();
}

// While a modal window is open: when it closes, the keyboard goes back where it was, to the
// window below and in it to the control that opened this one. A desktop without a window
// manager would leave it nowhere.
class KeyboardReturns {
public:
    explicit KeyboardReturns(QWidget* window = nullptr)
        : m_window(window ? window : QApplication::activeWindow()),
          m_control(QApplication::focusWidget()) {}
    ~KeyboardReturns() {
        if (!m_window || !m_window->isVisible())
            return;
        m_window->activateWindow();
        if (m_control && m_control->window() == m_window)
            m_control->setFocus(Qt::OtherFocusReason);
    }
    KeyboardReturns(const KeyboardReturns&) = delete;
    KeyboardReturns& operator=(const KeyboardReturns&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_control;
};

} // namespace

PlatformUi::Answer QtPlatformUi::showMessage(const QString& prompt, Buttons buttons, Icon icon,
                                             const QString& title) {
    const KeyboardReturns back;
    QMessageBox box(activeOwner());
    box.setWindowTitle(title.isEmpty() ? programTitle : title);
    // Names and paths in a message are the user's text, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(prompt));
    box.setIcon(icon == Icon::Critical      ? QMessageBox::Critical
                : icon == Icon::Information ? QMessageBox::Information
                                            : QMessageBox::NoIcon);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

QString QtPlatformUi::askText(const QString& prompt, const QString& title,
                              const QString& defaultText) {
    const KeyboardReturns back;
    bool ok = false;
    const QString text = QInputDialog::getText(activeOwner(), title, displayText(prompt),
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

std::optional<ColorValue> QtPlatformUi::chooseColor(const QString& title, ColorValue initial) {
    const KeyboardReturns back;
    const QColor chosen = QColorDialog::getColor(qColorFromValue(initial), activeOwner(), title);
    if (!chosen.isValid())
        return std::nullopt;
    return valueFromQColor(chosen);
}

bool QtPlatformUi::setClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    return clipboard->text() == text;
}

QString QtPlatformUi::chooseFileToOpen(const QString& title, const QString& filters) {
    const KeyboardReturns back;
    if (m_fileFolder.isEmpty())
        m_fileFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), title, m_fileFolder, filters);
    if (!file.isEmpty())
        m_fileFolder = QFileInfo(file).absolutePath();
    return file;
}

bool QtPlatformUi::openWithShell(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

QString QtPlatformUi::cacheFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QString QtPlatformUi::programFileName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void QtPlatformUi::pumpEvents() {
    QCoreApplication::processEvents();
}

void QtPlatformUi::showModal(QDialog& window, QWidget* owner) {
    // The owner is made the window's transient parent rather than its parent, so that the
    // window's lifetime stays its caller's. Without an owner the dialog centres itself on
    // the screen.
    if (owner) {
        QWidget* top = owner->window();
        window.winId();
        if (QWindow* handle = window.windowHandle())
            handle->setTransientParent(top->windowHandle());
        QRect frame = window.frameGeometry();
        frame.moveCenter(top->frameGeometry().center());
        window.move(frame.topLeft());
    }
    const KeyboardReturns back(owner ? owner->window() : nullptr);
    window.exec();
}

} // namespace brisvane
