#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTextEdit;

namespace brisvane {

struct AppState;
class LabelButton;
class LabelButtonGroup;
class PlatformUi;

// The code window: the style block of the colours being edited, in the classic form or the
// one for every browser, an example page that shows where it goes, the button that copies
// the block to the clipboard and the one that shows it in the desktop's browser. The block
// for every browser reaches every scroll box, the page's own, or the boxes a selector list
// names; a project's dark set applies in the system's dark mode or under the site's own dark
// theme, which a selector list names.
class frmCode : public QDialog {
    Q_OBJECT

public:
    // Opens on the form chosen last in this run (the state keeps it), at first the classic.
    frmCode(PlatformUi& ui, AppState& state, QWidget* parent = nullptr);

    // The code field's text, lines joined by CR LF as the block has them.
    QString code() const;

private:
    void buildExamplePage(QGroupBox* frame);
    LabelButton* addButton(const QString& caption, QAnyStringView name, int left, int top,
                           int width, int height);
    void buildReachRow();
    void enableReach();
    void showBlock(bool everyBrowser);
    void cboReach_Change();
    void buildDarkRow();
    void txtDark_Change();
    // Says why a typed selector list cannot be used, and that the code stays as it was.
    void refuseSelectors(std::string why);
    void lblCopy_Click();
    void lblPreview_Click();
    void lblExit_Click();

    PlatformUi& m_ui;
    AppState& m_state;
    QTextEdit* m_txtCode = nullptr;
    LabelButton* m_lblCopy = nullptr;
    LabelButton* m_lblExit = nullptr;
    LabelButton* m_lblClassic = nullptr;
    LabelButton* m_lblModern = nullptr;
    LabelButton* m_lblPreview = nullptr;
    QComboBox* m_cboReach = nullptr;
    QLineEdit* m_txtReach = nullptr;
    QLineEdit* m_txtDark = nullptr;
    QLabel* m_note1 = nullptr;
    QLabel* m_note2 = nullptr;
    LabelButtonGroup* m_lighting = nullptr;
};

} // namespace brisvane
