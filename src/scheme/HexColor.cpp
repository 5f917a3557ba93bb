#include "scheme/HexColor.h"

#include "text/HexDigits.h"
#include "text/Utf8.h"

#include <algorithm>
#include <limits>

namespace brisvane {

namespace {

constexpr std::u32string_view fieldCharacters = U"#0123456789ABCDEF";

} // namespace

HexColor colorToHex(ColorValue value) {
    // Hexadecimal digits without leading zeros, then zeros in front up to six.
    char buffer[8];
    std::size_t start = sizeof buffer;
    auto v = static_cast<std::uint32_t>(value);
    do {
        buffer[--start] = hexDigit(v);
        v >>= 4;
    } while (v != 0);
    while (sizeof buffer - start < 6)
        buffer[--start] = '0';
    const std::string_view digits(buffer + start, sizeof buffer - start);
    // The digits read BBGGRR; the text wants RRGGBB.
    const std::size_t n = digits.size();
    HexColor text = "#";
    text += digits.substr(n - 2);
    text += digits.substr(2, 2);
    text += digits.substr(0, 2);
    return text;
}

ColorValue hexToColor(std::string_view text) {
    std::u32string digits = decodeUtf8(text);
    if (!digits.empty() && digits.front() == U'#')
        digits.erase(0, 1);
    if (digits.empty() || digits.size() >= 7)
        return 0;
    digits.append(6 - digits.size(), U'0');
    // A pair with a character beyond ASCII holds no hexadecimal digit there and counts 0.
    const auto pair = [&digits](std::size_t at) {
        std::string ascii;
        for (char32_t c : std::u32string_view(digits).substr(at, 2)) {
            if (c >= 0x80)
                return 0;
            ascii += static_cast<char>(c);
        }
        return hexDigitsValue(ascii);
    };
    return pair(0) + pair(2) * 256 + pair(4) * 65536;
}

std::int32_t hexDigitsValue(std::string_view text) {
    const std::u32string digits = decodeUtf8(text);
    if (digits.size() > 255)
        return 0;
    std::uint64_t sum = 0;
    for (char32_t c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return 0;
        sum = sum * 16 + static_cast<std::uint64_t>(digit);
        // Beyond 32 bits the value cannot be stored; such a text is as bad as a wrong digit.
        if (sum > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
            return 0;
    }
    return static_cast<std::int32_t>(sum);
}

bool isHexText(std::string_view text, std::int16_t& invalidCharPos) {
    const std::u32string chars = decodeUtf8(text);
    if (chars.size() > 7)
        return false;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (fieldCharacters.find(chars[i]) == std::u32string_view::npos) {
            invalidCharPos = static_cast<std::int16_t>(i);
            return false;
        }
    }
    return true;
}

bool isWholeColor(std::string_view text) {
    return text.size() == 7 && text.front() == '#' &&
           std::all_of(text.begin() + 1, text.end(), [](char c) { return hexDigitValue(c) >= 0; });
}

} // namespace brisvane
