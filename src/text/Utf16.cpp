#include "text/Utf16.h"

#include <unicode/ustring.h>

namespace brisvane {

std::optional<std::string> utf16ToUtf8(std::string_view bytes) {
    if (!startsUtf16(bytes))
        return std::nullopt;
    const bool little = bytes.starts_with("\xFF\xFE");
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(little ? first | second << 8 : first << 8 | second));
    }
    std::string utf8(units.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(utf8.data(), static_cast<int32_t>(utf8.size()), &length, units.data(),
                       static_cast<int32_t>(units.size()), 0xFFFD, nullptr, &status);
    utf8.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return utf8;
}

} // namespace brisvane
