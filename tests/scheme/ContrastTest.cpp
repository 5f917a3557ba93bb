#include "scheme/Contrast.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(Contrast, MeasuresAsTheGuidelinesDoAndNeverRoundsUpToTheMinimum) {
    const struct {
        const char *first, *second;
        const char* ratio;
    } cases[] = {
        {"#000000", "#FFFFFF", "21.0:1"}, {"#FFFFFF", "#000000", "21.0:1"},
        {"#777777", "#FFFFFF", "4.4:1"},  {"#C0C0C0", "#000000", "11.5:1"},
        {"#abcdef", "#ABCDEF", "1.0:1"},  {"#949494", "#FFFFFF", "3.0:1"},
        {"#959595", "#FFFFFF", "2.9:1"},  {"#FF0000", "#000000", "5.2:1"},
        {"#080808", "#FFFFFF", "20.0:1"}, // near black, where the curve is a straight line
        {"#FFF", "#FFFFFF", "21.0:1"},    {"no colour", "#FFFFFF", "21.0:1"}, // as black
    };
    for (const auto& c : cases)
        EXPECT_EQ(ratioText(contrastRatio(c.first, c.second)), c.ratio) << c.first << c.second;
}

TEST(Contrast, ChecksTheThumbByItsBestEdgeAndEachStateOnlyWhenSet) {
    const auto said = [](const ScrollbarScheme& scheme) {
        std::string text;
        for (const ContrastCheck& check : checkContrast(scheme))
            text += check.what() + ' ' + ratioText(check.ratio) + (check.enough() ? "\n" : " !\n");
        return text;
    };
    // A face as pale as the track: the dark shadow edge still sets the thumb apart.
    ScrollbarScheme pale = defaultScheme;
    pale.setColor(ColorRole::Face, "#E0E0E0");
    pale.setColor(ColorRole::ThreeDLight, "#E0E0E0");
    pale.pressedColor = "#000000";
    EXPECT_EQ(said(pale), "the thumb against the track 7.8:1\n"
                          "the arrows against the face 15.9:1\n"
                          "the thumb held against the track 15.9:1\n"
                          "the arrows against the face held 1.0:1 !\n");
    // Where the 3D light edge alone stands out, it sets the thumb apart.
    pale.setColor(ColorRole::ThreeDLight, "#404040");
    pale.setColor(ColorRole::DarkShadow, "#E0E0E0");
    EXPECT_EQ(ratioText(checkContrast(pale).front().ratio), "7.8:1");
}

} // namespace
} // namespace brisvane
