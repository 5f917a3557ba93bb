#include "platform/ByteText.h"
#include "platform/QtPlatformUi.h"
#include "store/ProjectStore.h"
#include "windows/AppState.h"
#include "windows/frmMain.h"
#include "windows/frmOpen.h"

#include <QApplication>
#include <QScreen>
#include <QSessionManager>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Can an X server be reached on the local display number? It listens on a socket file, an
// abstract socket of the same name, or both.
bool localDisplayAnswers(const std::string& number) {
    const std::string path = "/tmp/.X11-unix/X" + number;
    for (bool abstract : {false, true}) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return true; // cannot tell: let the toolkit try
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        path.copy(address.sun_path + offset, sizeof address.sun_path - offset - 1);
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
        const bool connected =
            connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
        close(fd);
        if (connected)
            return true;
    }
    return false;
}

// Without a desktop to draw on, the toolkit would abort with a long trace; one line that
// says what is wrong and what to do serves better.
bool hasDisplay() {
    if (std::getenv("QT_QPA_PLATFORM") || std::getenv("WAYLAND_DISPLAY"))
        return true;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return false;
    const std::string name(display);
    if (name.front() != ':')
        return true; // a display on another host: let the toolkit try
    return localDisplayAnswers(name.substr(1, name.find('.') - 1));
}

} // namespace

namespace brisvane {

// Start-up: the main window, shown modeless in the middle of the screen, then the
// Create/Open window above it, on its New tab.
void Main(PlatformUi& ui, ProjectStore& store, frmMain& mainWindow) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mainWindow.adjustSize();
        QRect frame = mainWindow.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        mainWindow.move(frame.topLeft());
    }
    mainWindow.show();
    // Said once, here: a project file the program cannot use (no folder, a pipe in its place,
    // UTF-16) would otherwise only show as an empty list.
    const std::string problem = store.fileProblem();
    if (!problem.empty())
        ui.showMessage(QStringLiteral("Brisvane cannot read or save Projects: %1.\r\nColours can "
                                      "still be edited and their code generated.")
                           .arg(textOfBytes(problem)),
                       PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
    frmOpen open(ui, store);
    mainWindow.attach(open);
    open.hideOpenPanel();
    ui.showModal(open, &mainWindow);
}

} // namespace brisvane

int main(int argc, char** argv) {
    if (!hasDisplay()) {
        std::fprintf(stderr, "brisvane: no display to show its window on (DISPLAY is not set "
                             "or not reachable); run it on a desktop, or under a virtual one "
                             "with: xvfb-run -a make run\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvane"));
    brisvane::QtPlatformUi ui;
    brisvane::AppState state;
    // The one project file, beside the program, and the one store over it.
    const std::string folder = ui.programFolder();
    brisvane::Clock clock;
    brisvane::clsINI projectIni(folder, ui.programFileName().toStdString());
    brisvane::ProjectStore store(projectIni, clock, folder);
    brisvane::frmMain mainWindow(state, ui, store);
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
    brisvane::Main(ui, store, mainWindow);
    return QApplication::exec();
}
