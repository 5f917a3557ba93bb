#pragma once

#include "base/Outcome.h"

#include <cstddef>
#include <string>

namespace brisvane {

// The most of a page or style sheet that is read: far more than any page holds, and little
// enough that no input, endless or not, can exhaust the memory.
inline constexpr std::size_t maxPageBytes = std::size_t{64} << 20;

// Reads the file at path whole, or says why it could not: errno's reason, "it is not a regular
// file", or "it is larger than 64 MiB". Opening never waits (a named pipe without a writer
// reads as empty); with regularOnly anything but a regular file is refused unread.
Result<std::string> readPageFile(const std::string& path, bool regularOnly);

// Reads an open descriptor, such as standard input (0), to its end, the same way.
Result<std::string> readPageStream(int fd);

} // namespace brisvane
