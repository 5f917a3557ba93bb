#include "windows/ColorField.h"

#include "scheme/ColorFieldText.h"
#include "windows/FieldCharacters.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace brisvane {

namespace {

QString usefulPart(const QString& text) {
    return leadingUserCharacters(text, colorFieldCharacters);
}

} // namespace

ColorField::ColorField(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void ColorField::pasteText(const QString& text) {
    if (!isReadOnly())
        insert(usefulPart(text));
}

void ColorField::pasteFrom(bool selection) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    pasteText(clipboard->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
}

void ColorField::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste) {
        pasteFrom(false);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ColorField::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X11 selection.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        pasteFrom(true);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ColorField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard menu's Paste is known by its caption, translated as the toolkit has it.
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == pasteCaption) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this, [this] { pasteFrom(false); });
        }
    }
    menu->popup(event->globalPos());
}

void ColorField::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData cut;
    cut.setText(usefulPart(event->mimeData()->text()));
    QDropEvent shorter(event->position(), event->possibleActions(), &cut, event->buttons(),
                       event->modifiers(), event->type());
    shorter.setDropAction(event->proposedAction());
    QLineEdit::dropEvent(&shorter);
    event->setAccepted(shorter.isAccepted());
    event->setDropAction(shorter.dropAction());
}

void ColorField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Only a move to another element of this window completes the field: a menu opened from
    // the keyboard, another window or a dialog takes the focus only for a while.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason)
        return;
    const QWidget* next = QApplication::focusWidget();
    if (next && next->window() != window())
        return;
    emit lostFocus();
}

} // namespace brisvane
