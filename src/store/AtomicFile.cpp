#include "store/AtomicFile.h"

#include "base/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace brisvane {

namespace {

constexpr std::size_t randomLetters = 6;
// A temporary file is the file's name, this, and random letters.
constexpr std::string_view temporaryInfix = ".brisvane-tmp-";

} // namespace

std::string randomName(std::string_view prefix, std::string_view suffix) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string name(prefix);
    for (std::size_t i = 0; i < randomLetters; ++i)
        name += letters[pick(random)];
    return name.append(suffix);
}

bool AtomicFile::isTemporary(std::string_view fileName, std::string_view name) {
    return name.size() == fileName.size() + temporaryInfix.size() + randomLetters &&
           name.starts_with(fileName) && name.substr(fileName.size()).starts_with(temporaryInfix);
}

AtomicFile::AtomicFile(FileSystem& fileSystem, const CheckedPath& file, mode_t mode)
    : m_fileSystem(fileSystem), m_file(file) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = randomName(file.name + std::string(temporaryInfix));
        m_fd = Descriptor(::openat(file.folder.get(), name.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (m_fd.get() >= 0) {
            m_temporary = name;
            return;
        }
        if (errno != EEXIST)
            break;
    }
    m_error = errno;
}

AtomicFile::~AtomicFile() {
    if (!m_temporary.empty())
        ::unlinkat(m_file.folder.get(), m_temporary.c_str(), 0);
}

Outcome AtomicFile::commit(std::string_view bytes, int folder) {
    if (m_fd.get() < 0)
        return Outcome::failed(systemError(m_error));
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            m_fileSystem.write(m_fd.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Outcome::failed(systemError(n < 0 ? errno : ENOSPC));
        written += static_cast<std::size_t>(n);
    }
    if (m_fileSystem.fsync(m_fd.get()) != 0 || ::close(m_fd.release()) != 0 ||
        m_fileSystem.renameat(m_file.folder.get(), m_temporary.c_str(), m_file.name.c_str()) != 0)
        return Outcome::failed(systemError(errno));
    m_temporary.clear();
    // The rename itself must reach the disk too.
    m_fileSystem.fsync(folder);
    return {};
}

} // namespace brisvane
