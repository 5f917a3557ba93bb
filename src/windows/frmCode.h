#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QTextEdit;

namespace brisvane {

class LabelButton;
class LabelButtonGroup;
class PlatformUi;

// The code window: the generated style block, an example page that shows where it goes,
// and the button that copies the block to the clipboard.
class frmCode : public QDialog {
    Q_OBJECT

public:
    explicit frmCode(PlatformUi& ui, QWidget* parent = nullptr);

    void setCode(const QString& block);
    // The code field's text, lines joined by CR LF as the block has them.
    QString code() const;

private:
    void buildExamplePage(QGroupBox* frame);
    void lblCopy_Click();
    void lblExit_Click();

    PlatformUi& m_ui;
    QTextEdit* m_txtCode = nullptr;
    LabelButton* m_lblCopy = nullptr;
    LabelButton* m_lblExit = nullptr;
    LabelButtonGroup* m_lighting = nullptr;
};

} // namespace brisvane
