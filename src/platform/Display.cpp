#include "platform/Display.h"

#include <cstddef>
#include <cstdlib>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace brisvane {

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

} // namespace

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

} // namespace brisvane
