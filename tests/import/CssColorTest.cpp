#include "import/CssColor.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(CssColor, TakesEveryFormAPageOfAnyAgeMayHold) {
    using Kind = CssColorReading::Kind;
    const struct {
        const char* text;
        Kind kind;
        ColorValue value;
        double alpha;
    } cases[] = {
        {"  #C08040 ", Kind::Color, 0x4080C0, 1},
        {"#24a", Kind::Color, 0xAA4422, 1},
        {"#24a8", Kind::Color, 0xAA4422, 0x88 / 255.0},
        {"#FF000080", Kind::Color, 0x0000FF, 0x80 / 255.0},
        {"c08040", Kind::Color, 0x4080C0, 1}, // without "#", as old pages have it
        {"rgb(64, 224, 208)", Kind::Color, 0xD0E040, 1},
        {"RGB( 100% , 0%, 50% )", Kind::Color, 0x8000FF, 1},
        {"rgb(0 128 255)", Kind::Color, 0xFF8000, 1},
        {"rgb(0 128 255 / 50%)", Kind::Color, 0xFF8000, 0.5},
        {"rgba(300, -2, 12.6, 0.25)", Kind::Color, 0x0D00FF, 0.25},
        {"hsl(120, 100%, 25%)", Kind::Color, 0x008000, 1},
        {"hsla(0.5turn 100% 50% / 1)", Kind::Color, 0xFFFF00, 1},
        {"hsl(-120deg, 100%, 50%)", Kind::Color, 0xFF0000, 1},
        {"hsl(3.14159265rad 100% 50%)", Kind::Color, 0xFFFF00, 1},
        {"hsl(200grad 100 50 / 150%)", Kind::Color, 0xFFFF00, 1}, // numbers are percentages
        {"hwb(0 20% 20%)", Kind::Color, 0x3333CC, 1},
        {"hwb(90 60% 60%)", Kind::Color, 0x808080, 1},
        {"DarkOrange", Kind::Color, 0x008CFF, 1},
        {"rebeccapurple", Kind::Color, 0x993366, 1},
        {"ButtonFace", Kind::Color, 0xC0C0C0, 1},
        {"threeddarkshadow", Kind::Color, 0x404040, 1},
        {"InfoBackground", Kind::Color, 0xE1FFFF, 1},
        {"oklch(70% 0.1 200)", Kind::Unconverted, 0, 1},
        {"color(srgb 1 0 0)", Kind::Unconverted, 0, 1},
    };
    for (const auto& c : cases) {
        const CssColorReading color = readCssColor(c.text);
        EXPECT_EQ(color.kind, c.kind) << c.text;
        EXPECT_EQ(color.value, c.value) << c.text;
        EXPECT_NEAR(color.alpha, c.alpha, 1e-9) << c.text;
    }
}

TEST(CssColor, ValuesThatAreNoColour) {
    for (const char* text : {"<not_set>",      "#12",
                             "#12345",         "#12345G",
                             "12345",          "#",
                             "rgb(1, 2)",      "rgb(1, 2, 3, 4, 5)",
                             "rgb(1 2 3 4)",   "rgb(1, 2, 3",
                             "rgb(1px, 2, 3)", "hsl(1, 2%)",
                             "transparent",    "currentColor",
                             "inherit",        "var(--face)",
                             "light blue",     "red;",
                             "nosuchcolor",    ""})
        EXPECT_EQ(readCssColor(text).kind, CssColorReading::Kind::NotAColor) << text;
}

} // namespace
} // namespace brisvane
