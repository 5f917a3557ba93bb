#pragma once

#include "text/Utf8.h"

#include <QString>

#include <string_view>

namespace brisvane {

// Names and paths are bytes. Shown, bytes that are not UTF-8 read as Windows-1252, the code
// page in which older project files were written; everything else reads as UTF-8.
inline QString textOfBytes(std::string_view bytes) {
    if (isUtf8(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // 0x80 to 0x9F differ from Latin-1; the five bytes that Windows-1252 leaves free keep
    // their control code, as Windows shows them.
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return text;
}

} // namespace brisvane
