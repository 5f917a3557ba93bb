#include "scheme/HexColor.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(HexColor, ColorToHexWritesRedFirstWithSixDigits) {
    const std::pair<ColorValue, const char*> cases[] = {
        {255, "#FF0000"}, {0x123456, "#563412"}, {0x10, "#100000"}, {0, "#000000"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(colorToHex(value), text) << value;
}

TEST(HexColor, HexToColorCompletesShortTextsAndRefusesLongOnes) {
    const std::pair<const char*, ColorValue> cases[] = {
        {"#C0C0C0", 12632256},
        {"#F", 240},
        {"abc", 49323},
        {"#GG8080", 8421376}, // a bad pair counts as zero, the others still count
        {"12#4", 18},
        {"#8\u00E98080", 0x808000}, // an accented letter is one character, not two bytes
        {"#1234567", 0},
        {"##808080", 0},
        {"", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(hexToColor(text), value) << text;
}

TEST(HexColor, ConversionsAreInverseOverTheWholeRange) {
    for (ColorValue v = 0; v <= 0xFFFFFF; v += 251) {
        const HexColor text = colorToHex(v);
        ASSERT_EQ(hexToColor(text), v) << text;
    }
    EXPECT_EQ(hexToColor(colorToHex(0xFFFFFF)), 0xFFFFFF);
}

} // namespace
} // namespace brisvane
