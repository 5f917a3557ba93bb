#include "generate/CssColor.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(CssColor, TakesTheFormsABrowserTakes) {
    const std::pair<const char*, ColorValue> cases[] = {
        {"  #C08040 ", 0x4080C0},        {"#24a", 0xAA4422},
        {"rgb(64, 224, 208)", 0xD0E040}, {"RGB( 100% , 0%, 50% )", 0x8000FF},
        {"DarkOrange", 0x008CFF},        {"lightgoldenrodyellow", 0xD2FAFA},
        {"aliceblue", 0xFFF8F0},         {"yellowgreen", 0x32CD9A}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseCssColor(text), value) << text;
}

TEST(CssColor, ValuesTheBrowserWouldNotTakeAreNoColours) {
    for (const char* invalid :
         {"<not_set>", "#12", "#1234", "#12345G", "12345", "", "#", "rgb(256, 0, 0)", "rgb(1, 2)",
          "rgb(1, 2, 3, 4)", "rgb(1, -2, 3)", "rgb(101%, 0%, 0%)", "rgb(1, 2, 3", "transparent",
          "notacolour", "light blue", "red;", "lightgoldenrodyellowx"})
        EXPECT_FALSE(parseCssColor(invalid)) << invalid;
}

} // namespace
} // namespace brisvane
