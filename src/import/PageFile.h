#pragma once

#include <cstddef>
#include <string>

namespace brisvane {

// The most of a page or style sheet that is read: far more than any page holds, and little
// enough that no input, endless or not, can exhaust the memory.
inline constexpr std::size_t maxPageBytes = std::size_t{64} << 20;

// A page or style sheet read whole, or why it could not be: errno's reason, "it is not a
// regular file", or "it is larger than 64 MiB".
struct PageFile {
    std::string text;
    std::string problem; // empty when read
};

// Reads the file at path. Opening never waits (a named pipe without a writer reads as empty);
// with regularOnly anything but a regular file is refused unread.
PageFile readPageFile(const std::string& path, bool regularOnly);

// Reads an open descriptor, such as standard input (0), to its end.
PageFile readPageStream(int fd);

} // namespace brisvane
