#include "scheme/HexColor.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(HexColor, ColorToHexSwapsTheBytesIntoRedFirst) {
    const std::pair<ColorValue, const char*> cases[] = {
        {255, "#FF0000"},      {12632256, "#C0C0C0"}, {0, "#000000"},        {1193046, "#563412"},
        {0xFF0000, "#0000FF"}, {0x00FF00, "#00FF00"}, {16777215, "#FFFFFF"}, {0x10, "#100000"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(colorToHex(value), text);
    }
}

TEST(HexColor, HexToColorCompletesShortTextsAndRefusesLongOnes) {
    const std::pair<const char*, ColorValue> cases[] = {
        {"#FF0000", 255},
        {"#C0C0C0", 12632256},
        {"C0C0C0", 12632256},
        {"#F", 240},
        {"1234", 13330},
        {"abc", 49323},
        {"#GG8080", 8421376},
        {"#1234567", 0},
        {"1234567", 0},
        {"", 0},
        {"#", 0},
        {"#ff8000", 33023},
        {"#FF8000", 33023},
        {"12#4", 18},
        {"#<not_set>", 0},
        {"<not_set>", 0},
        {"#\xC3\xA9", 0},
        {"#8\xC3\xA9"
         "8080",
         0x808000},
        {"##808080", 0}, // seven characters after the first "#"
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(hexToColor(text), value);
    }
}

TEST(HexColor, HexToColorLeavesTheCallersTextAlone) {
    const std::string text = "#ff8000";
    EXPECT_EQ(hexToColor(text), 33023);
    EXPECT_EQ(text, "#ff8000");
}

TEST(HexColor, ConversionsAreInverseOverTheWholeRange) {
    for (ColorValue v = 0; v <= 0xFFFFFF; v += 251) {
        const HexColor text = colorToHex(v);
        ASSERT_EQ(hexToColor(text), v) << text;
        ASSERT_EQ(colorToHex(hexToColor(text)), text);
    }
    EXPECT_EQ(hexToColor(colorToHex(0xFFFFFF)), 0xFFFFFF);
}

TEST(HexColor, HexDigitsValue) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"ff", 255},
        {"FF", 255},
        {"1G", 0},
        {"", 0},
        {"0", 0},
        {"C0", 192},
        {"7FFFFFFF", 2147483647},
        {"80000000", 0}, // does not fit 32 bits
        {std::string(255, '0'), 0},
        {std::string(254, '0') + "A", 10},
        {std::string(255, '0') + "A", 0}, // more than 255 characters
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(hexDigitsValue(text), value);
    }
}

TEST(HexColor, IsHexTextAcceptsUpperCaseDigitsAndHashOnly) {
    struct Case {
        const char* text;
        bool valid;
        std::int16_t position; // -1: left as it was
    };
    const Case cases[] = {
        {"#C0C0C0", true, -1},    {"#c0c0c0", false, 1},
        {"#C0C0C0C", false, -1},  {"12#4", true, -1},
        {"", true, -1},           {"#80808G", false, 6},
        {"G", false, 0},          {"#\xF0\x9F\x98\x80", false, 1},
        {"#1\xC3\xA9", false, 2}, {"1234567", true, -1},
        {"12345678", false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::int16_t position = -1;
        EXPECT_EQ(isHexText(c.text, position), c.valid);
        EXPECT_EQ(position, c.position);
    }
}

} // namespace
} // namespace brisvane
