#pragma once

#include "windows/frmHelp.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace brisvane {

struct AppState;
class PlatformUi;

// The Help menu's Contents and Visit, and the Hex Error window with its link to the page on
// changing colours. There is one help window at a time, beside the main window: a closed one
// is gone, and the next showing loads a fresh one.
class HelpCommands : public QObject {
    Q_OBJECT

public:
    // `owner` is the main window, which the help window hands the keyboard back to.
    HelpCommands(AppState& state, PlatformUi& ui, QWidget* owner);

    void mnuHelpContents_Click();
    void mnuHelpVisit_Click();
    // One Hex Error window, modal over the main window.
    void showHexError();

private:
    void lblMoInfo_Click(QDialog& hexError);
    frmHelp& loadHelpWindow();

    AppState& m_state;
    PlatformUi& m_ui;
    QWidget* m_owner;
    QPointer<frmHelp> m_frmHelp;
};

} // namespace brisvane
