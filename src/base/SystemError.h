#pragma once

#include <cstring>
#include <string>

namespace brisvane {

// The system's words for an error number ("Permission denied"). strerror() would share one
// buffer among threads; a number the system has no words for is given as a number.
inline std::string systemError(int error) {
    const char* text = ::strerrordesc_np(error);
    return text ? text : "Unknown error " + std::to_string(error);
}

} // namespace brisvane
