#include "app/CommandLine.h"
#include "app/CommandOptions.h"
#include "app/Session.h"
#include "platform/ByteText.h"
#include "platform/ProgramStyle.h"
#include "platform/QtPlatformUi.h"
#include "platform/System.h"
#include "platform/Translations.h"
#include "store/ProjectStore.h"
#include "text/Ascii.h"
#include "windows/AppState.h"
#include "windows/frmMain.h"
#include "windows/frmOpen.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QSessionManager>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace brisvane {

// Start-up: the main window, shown modeless in the middle of the screen, then the
// Create/Open window above it, on its New tab.
void Main(PlatformUi& ui, ProjectStore& store, frmMain& mainWindow,
          const std::string& folderProblem, const std::string& folderNote) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mainWindow.adjustSize();
        QRect frame = mainWindow.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        mainWindow.move(frame.topLeft());
    }
    mainWindow.show();
    // Said once, here: a project file the program cannot use (no folder, a pipe in its place,
    // UTF-16) would otherwise only show as an empty list.
    if (!folderNote.empty())
        ui.showMessage(textOfBytes(ascii::oneLine(folderNote)), PlatformUi::Buttons::Ok,
                       PlatformUi::Icon::Information);
    const std::string problem = folderProblem.empty() ? store.checkFile().why() : folderProblem;
    if (!problem.empty())
        ui.showMessage(QCoreApplication::translate("Main",
                                                   "Brisvane cannot read or save Projects: "
                                                   "%1.\r\nColours can still be edited and their "
                                                   "code generated.")
                           .arg(textOfBytes(ascii::oneLine(problem))),
                       PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
    frmOpen open(ui, store);
    mainWindow.attach(open);
    open.hideOpenPanel();
    ui.showModal(open, &mainWindow);
}

} // namespace brisvane

int main(int argc, char** argv) {
    // Given a command, the program answers it and opens no window: no display needed.
    const brisvane::ProgramFolders folders =
        brisvane::findProgramFolders(brisvane::machineFolderFacts());
    // "--data FILE" alone opens the window on that project file, one per site, say.
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<std::string> dataFile = brisvane::windowProjectFile(args);
    if (!dataFile && brisvane::isCommand(argc, argv))
        return brisvane::runCommand(args, folders, std::cout, std::cerr);
    if (!brisvane::hasDisplay()) {
        std::fprintf(stderr, "brisvane: no display to show its window on (DISPLAY is not set "
                             "or not reachable); run it on a desktop, or under a virtual one "
                             "with: xvfb-run -a make run\n");
        return 1;
    }
    int toolkitArgc = dataFile ? 1 : argc; // the toolkit need not see --data
    QApplication app(toolkitArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvane"));
    // The desktop entry that names this window on Wayland, and in the menu.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quelmark.Brisvane"));
    brisvane::installProgramStyle();
    // The windows speak the user's language where the program has it; the command line, above,
    // stays English.
    brisvane::installTranslations(QLocale(), app);
    brisvane::QtPlatformUi ui(folders);
    // The data folder is made (or, the user's own, closed to others) before the window opens;
    // one that cannot be used is not: the store then keeps nothing, and says so at once, as
    // it says of a project file that cannot be used.
    std::string folderProblem, folderNote, dataFolder = folders.data;
    if (dataFile) {
        const std::string folder = std::filesystem::path(*dataFile).parent_path().native();
        if (!folder.empty() && !std::filesystem::is_directory(folder))
            folderProblem = "the folder of " + *dataFile + " does not exist";
        dataFolder.clear(); // no data.ini elsewhere instead
    } else if (!dataFolder.empty()) {
        const auto made = brisvane::makePrivateFolder(dataFolder, !folders.dataBesideProgram);
        if (made) {
            folderNote = *made;
        } else {
            folderProblem = "the folder " + dataFolder + " cannot be used: " + made.why();
            dataFolder.clear();
        }
    }
    if (!folders.warning.empty()) // said, rather than another file quietly used
        folderNote = "Brisvane: " + folders.warning + ". " + folderNote;
    // The one project file, and the one store over it.
    brisvane::Session session(ui, dataFolder,
                              dataFile && folderProblem.empty() ? *dataFile : std::string());
    if (!folderProblem.empty())
        session.store.markUnusable(dataFile ? *dataFile : folders.data + "/data.ini",
                                   folderProblem);
    brisvane::frmMain& mainWindow = session.mainWindow;
    // The desktop ending its session asks first, as closing the window does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainWindow,
                     [&mainWindow](QSessionManager& session) {
                         if (!session.allowsInteraction())
                             return;
                         // Once the user has let it go, the window closes at once, so
                         // that the answer cannot outlive this question.
                         if (mainWindow.queryUnload()) {
                             mainWindow.approveClose();
                             mainWindow.close();
                         } else {
                             session.cancel();
                         }
                         session.release();
                     });
    brisvane::Main(ui, session.store, mainWindow, folderProblem, folderNote);
    return QApplication::exec();
}
