#pragma once

#include "generate/BlockReach.h"
#include "scheme/ScrollbarScheme.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace brisvane {

// What every window shares for the whole run. Main makes the one instance and hands it to
// each window, so that all of them see the same values.
struct AppState : QObject {
    Q_OBJECT

public:
    // The colours being edited; the main window writes the start colours when it loads.
    ScrollbarScheme scheme;
    // The project's second set, for dark mode, when it has one, and whether the window shows
    // and edits it rather than the first.
    std::optional<ScrollbarScheme> darkScheme;
    bool editingDark = false;
    // Where the dark set applies besides dark mode: the selector list of a site's own dark
    // theme (html.dark), or nothing.
    std::string darkWhen;
    std::string darkWhenSelectors; // last typed, shown again while none is chosen

    // The set the window shows.
    bool showsDark() const { return editingDark && darkScheme; }
    ScrollbarScheme& editing() { return showsDark() ? *darkScheme : scheme; }
    ProjectColors project() const { return {scheme, darkScheme}; }
    // Where the hex digit check last found a character that is not allowed.
    std::int16_t invalidCharPos = 0;
    // The colours have changed since the project was last created, opened or saved. What
    // offers to save them follows modifiedChanged.
    bool schemeModified() const { return m_schemeModified; }
    void setSchemeModified(bool modified) {
        if (modified == m_schemeModified)
            return;
        m_schemeModified = modified;
        emit modifiedChanged(modified);
    }
    // The project being edited; empty until one is created, opened or named.
    std::string currentProjectName;
    // The code window shows the block for every browser rather than the classic one; it
    // opens on the form chosen last.
    bool everyBrowserBlock = false;
    // The boxes the block for every browser reaches, and the selector list last typed for
    // it, which the code window shows again while another reach is chosen.
    BlockReach blockReach;
    std::string reachSelectors;
    // The page the help window opens first; empty means the index page.
    std::string helpPage;

signals:
    void modifiedChanged(bool modified);

private:
    bool m_schemeModified = false;
};

} // namespace brisvane
