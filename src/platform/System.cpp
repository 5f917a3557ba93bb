#include "platform/System.h"
#include "base/SystemError.h"

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
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

std::string executableFolder() {
    // The path as the kernel keeps it: no text conversion can lose a byte of it, and no
    // length limit of ours cuts it.
    std::error_code error;
    const std::string path = std::filesystem::read_symlink("/proc/self/exe", error).native();
    if (error || !path.starts_with('/'))
        return {};
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

FolderFacts machineFolderFacts() {
    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {executableFolder(),
            [](const std::string& path) { return ::access(path.c_str(), F_OK) == 0; },
            [](const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; },
            env("XDG_DATA_HOME"), env("HOME")};
}

Result<std::string> makePrivateFolder(const std::string& folder, bool isPrivate) {
    const std::string nothingChanged;
    std::error_code error;
    const bool made = std::filesystem::create_directories(folder, error);
    if (made && !error)
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    if (error)
        return Outcome::failed(systemError(error.value()));
    if (made || !isPrivate)
        return nothingChanged;
    // Another user who may write in the folder may put a link in place of data.ini.
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return Outcome::failed(systemError(errno));
    if (info.st_uid != ::geteuid())
        return Outcome::failed("it belongs to another user");
    if ((info.st_mode & 022) == 0)
        return nothingChanged;
    if (::chmod(folder.c_str(), 0700) != 0)
        return Outcome::failed(systemError(errno));
    return "Other users could change the folder " + folder +
           ", where Brisvane keeps your Projects; it is now yours alone.";
}

} // namespace brisvane
