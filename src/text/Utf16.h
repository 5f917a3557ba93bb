#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisvane {

// Whether the bytes start with UTF-16's byte order mark, little-endian ("\xFF\xFE", as Windows
// Notepad saves "Unicode") or big-endian ("\xFE\xFF").
inline bool startsUtf16(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// Text in UTF-16 with its byte order mark, as UTF-8 without it; nothing for bytes without the
// mark. A unit that is no character becomes U+FFFD.
std::optional<std::string> utf16ToUtf8(std::string_view bytes);

} // namespace brisvane
