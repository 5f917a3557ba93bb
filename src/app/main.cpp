#include "platform/QtPlatformUi.h"
#include "windows/AppState.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

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
    const std::string number = name.substr(1, name.find('.') - 1);
    struct stat info {};
    return stat(("/tmp/.X11-unix/X" + number).c_str(), &info) == 0;
}

} // namespace

namespace brisvane {

// Start-up: the main window, shown modeless in the middle of the screen.
void Main(frmMain& mainWindow) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mainWindow.adjustSize();
        QRect frame = mainWindow.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        mainWindow.move(frame.topLeft());
    }
    mainWindow.show();
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
    brisvane::frmMain mainWindow(state, ui);
    brisvane::Main(mainWindow);
    return QApplication::exec();
}
