#pragma once

#include "platform/PlatformUi.h"
#include "store/Clock.h"
#include "store/ProjectStore.h"
#include "store/clsINI.h"
#include "windows/AppState.h"
#include "windows/frmMain.h"

#include <memory>
#include <string>

namespace brisvane {

// What one run of the window is made of, wired in one place for the program, its tests and
// its benchmarks: the state every window shares, the project file (data.ini in dataFolder, or
// projectFile when given), the one store over it, and the main window over `ui`. The tests
// hand in a file system that fails and a clock that stands still.
struct Session {
    Session(PlatformUi& ui, const std::string& dataFolder, const std::string& projectFile = {},
            std::shared_ptr<FileSystem> fileSystem = nullptr, const Clock* clockIn = nullptr)
        : clock(clockIn ? *clockIn : ownClock),
          projectIni(withFile(
              clsINI(dataFolder, ui.programFileName().toStdString(), std::move(fileSystem)),
              projectFile)),
          store(projectIni, clock), mainWindow(state, ui, store) {}

    Clock ownClock;
    const Clock& clock;
    AppState state;
    clsINI projectIni;
    ProjectStore store;
    frmMain mainWindow;

private:
    static clsINI withFile(clsINI ini, const std::string& file) {
        if (!file.empty())
            ini.setInifile(file);
        return ini;
    }
};

} // namespace brisvane
