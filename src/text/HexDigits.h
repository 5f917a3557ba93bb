#pragma once

namespace brisvane {

// The value of a hexadecimal digit of either case, or -1 for any other character.
constexpr int hexDigitValue(char32_t c) {
    return c >= U'0' && c <= U'9'   ? static_cast<int>(c - U'0')
           : c >= U'a' && c <= U'f' ? static_cast<int>(c - U'a') + 10
           : c >= U'A' && c <= U'F' ? static_cast<int>(c - U'A') + 10
                                    : -1;
}

// The byte two hexadecimal digits spell, high digit first, or -1 when either is no digit.
constexpr int hexPairValue(char32_t high, char32_t low) {
    const int h = hexDigitValue(high), l = hexDigitValue(low);
    return h < 0 || l < 0 ? -1 : h * 16 + l;
}

// The upper-case digit of the low four bits of `value`.
constexpr char hexDigit(unsigned value) {
    return "0123456789ABCDEF"[value & 0xF];
}

} // namespace brisvane
