#pragma once

#include "platform/PlatformUi.h"
#include "windows/AppState.h"

namespace brisvane {

// The project store of the program's data.ini, made on first use.
inline ProjectStore& projectStore(AppState& state, const PlatformUi& ui) {
    if (!state.projects) {
        const std::string folder = ui.programFolder();
        state.projectIni = std::make_unique<clsINI>(folder, ui.programFileName().toStdString());
        state.projects = std::make_unique<ProjectStore>(*state.projectIni, *state.clock, folder);
    }
    return *state.projects;
}

} // namespace brisvane
