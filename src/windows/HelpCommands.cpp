#include "windows/HelpCommands.h"

#include "platform/PlatformUi.h"
#include "windows/AppState.h"
#include "windows/frmHexErr.h"

namespace brisvane {

HelpCommands::HelpCommands(AppState& state, PlatformUi& ui, QWidget* owner)
    : QObject(owner), m_state(state), m_ui(ui), m_owner(owner) {}

frmHelp& HelpCommands::loadHelpWindow() {
    if (!m_frmHelp || !m_frmHelp->isVisible()) {
        if (m_frmHelp)
            m_frmHelp->deleteLater();
        m_frmHelp = new frmHelp(m_state, m_ui);
        m_frmHelp->setAttribute(Qt::WA_DeleteOnClose);
        // Shown beside the main window, the help hands the keyboard back to it when it closes.
        connect(m_frmHelp, &QDialog::finished, this, [this] {
            if (m_owner->isVisible())
                m_owner->activateWindow();
        });
    }
    return *m_frmHelp;
}

void HelpCommands::mnuHelpContents_Click() {
    frmHelp& help = loadHelpWindow();
    help.show();
    help.raise();
    help.activateWindow();
}

void HelpCommands::mnuHelpVisit_Click() {
    // The maker's web site. A reserved example domain: it can lead to nobody else's site.
    m_ui.openWithShell(QStringLiteral("https://www.quelmark.example/"));
}

void HelpCommands::showHexError() {
    frmHexErr hexError;
    connect(&hexError, &frmHexErr::moreInfoRequested, this,
            [this, &hexError] { lblMoInfo_Click(hexError); });
    m_ui.showModal(hexError, m_owner);
}

void HelpCommands::lblMoInfo_Click(QDialog& hexError) {
    m_state.helpPage = "mod.htm";
    if (m_frmHelp && m_frmHelp->isVisible()) {
        // Already open from the Help menu: bring it forward on the page about colours.
        m_frmHelp->showPage(QStringLiteral("mod.htm"));
        m_frmHelp->raise();
        m_frmHelp->activateWindow();
    } else {
        m_ui.showModal(loadHelpWindow(), m_owner);
    }
    hexError.close();
}

} // namespace brisvane
