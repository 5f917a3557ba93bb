#pragma once

#include <QLineEdit>

namespace brisvane {

// A colour field: a line edit that passes on only as much of a pasted or dropped text as its
// rules can use (the first seven characters), so that a megabyte on the clipboard costs no
// more than a word, and that says when the user moves on to another element.
class ColorField : public QLineEdit {
    Q_OBJECT

public:
    explicit ColorField(const QString& text, QWidget* parent = nullptr);

    // Inserts text at the caret, over the selection, as a paste does.
    void pasteText(const QString& text);

signals:
    // Focus went to another element of the window (not to another window or a menu).
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void pasteFrom(bool selection);
};

} // namespace brisvane
