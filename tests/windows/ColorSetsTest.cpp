#include "generate/EveryBrowserBlock.h"
#include "platform/ClassicScrollBarStyle.h"
#include "platform/HtmlView.h"
#include "support/MainWindowFixture.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTextEdit>

namespace brisvane {
namespace {

struct ColorSetsTest : test::MainWindowTest {
    void type(const char* field, const QString& text) {
        find<QLineEdit>(field)->selectAll();
        QTest::keyClicks(find(field), text);
    }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    ColorValue shown(const char* name) { return find<ColorPicture>(name)->backColor(); }
};

TEST_F(ColorSetsTest, HoverAndPressedAreTypedOrChosenAndAnEmptyFieldLeavesThemUnset) {
    type("txtHexHover", "12ab34");
    EXPECT_EQ(shown("picColorsHover"), hexToColor("#12AB34"));
    EXPECT_EQ(state.project().light.hoverColor, "#12AB34");
    EXPECT_TRUE(find<QWidget>("lblContrast")->accessibleDescription().contains("; hover "));
    ui.colors.push_back(0xFF0000);
    click("picColorsPressed");
    EXPECT_EQ(ui.log.back(), "choose Pressed Color from 0");
    // The picture's thumb takes the hover face under the pointer, the pressed one held.
    moveOver(find("picBColor1"));
    EXPECT_EQ(shown("picBColor0"), hexToColor("#12AB34"));
    QTest::mousePress(find("picBColor0"), Qt::LeftButton);
    EXPECT_EQ(shown("picBColor0"), 0xFF0000);
    QTest::mouseRelease(find("picBColor0"), Qt::LeftButton); // a click: the face's chooser
    moveOver(find("picBTrack"));
    EXPECT_EQ(shown("picBColor0"), hexToColor("#808080"));
    // So does the sample page's thumb, just under its up button.
    const HtmlView* preview = find<HtmlView>("DHTMLEdit1");
    QScrollBar* bar = preview->verticalScrollBar();
    QTest::mouseMove(bar, {8, 20});
    EXPECT_EQ(bar->grab().toImage().pixelColor(8, 20), QColor(0x12, 0xAB, 0x34));

    // Emptied, the state is unset and shows the face, whatever it is.
    find<QLineEdit>("txtHexHover")->clear();
    EXPECT_EQ(state.project().light.hoverColor, "");
    type("txtHex0", "#ABCDEF");
    EXPECT_EQ(shown("picColorsHover"), hexToColor("#ABCDEF"));
    EXPECT_EQ(preview->scrollBarStyle().customColor(ColorRole::Hover), std::nullopt);
    EXPECT_TRUE(ui.modals.empty()); // no Hex Error
}

TEST_F(ColorSetsTest, ADarkSetIsAddedShownBesideTheLightOneResetAndRemovedAfterAsking) {
    EXPECT_FALSE(find("lblDark")->isEnabled());
    click("lblDarkSet");
    expectShows(darkDefaultScheme);
    EXPECT_TRUE(saveOffered());
    // The contrast line speaks of the set shown, and says when a part does not stand out.
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(find("lblContrast"));
    EXPECT_EQ(line->text(QAccessible::Description), "Contrast: thumb 3.7:1, arrows 4.5:1");
    type("txtHexArrows", "#6E6E6E");
    EXPECT_EQ(line->text(QAccessible::Description),
              "Contrast: thumb 3.7:1, arrows 1.0:1\nThe arrows stand out from the face by only "
              "1.0:1, less than the 3:1 that controls need.");
    EXPECT_EQ(state.project().dark->arrowColor, "#6E6E6E");
    state.setSchemeModified(false);
    click("lblLight");
    expectShows(startScheme);
    EXPECT_FALSE(saveOffered()); // showing the other set is no change
    click("lblDark");
    ui.answers = {PlatformUi::Answer::Yes, PlatformUi::Answer::No, PlatformUi::Answer::Yes};
    click("lblReset"); // to the dark defaults
    expectShows(darkDefaultScheme);
    click("lblDarkSet"); // No
    click("lblDarkSet");
    EXPECT_EQ(ui.log.back(), "[Confirm Remove Dark Set] You are about to remove the Dark Set of "
                             "colors.\r\nAre you sure?");
    EXPECT_EQ(state.project(), ProjectColors(startScheme));
    expectShows(startScheme);
    EXPECT_FALSE(find("lblDark")->isEnabled());
}

TEST_F(ColorSetsTest, TheCodeWindowTakesADarkThemeSelectorForAProjectWithADarkSet) {
    ui.scripts.push_back([&](QDialog& code) {
        QTest::mouseClick(child(code, "lblModern"), Qt::LeftButton);
        EXPECT_FALSE(child(code, "txtDark")->isEnabled()); // no dark set
    });
    ui.scripts.push_back([&](QDialog& code) {
        for (const char* typed : {"p {", " html.dark "}) {
            QTest::keyClicks(child(code, "txtDark"), typed);
            QTest::keyClick(child(code, "txtDark"), Qt::Key_Return);
            child<QLineEdit>(code, "txtDark")->clear();
        }
        EXPECT_EQ(child<QTextEdit>(code, "txtCode")->toPlainText().replace("\n", "\r\n"),
                  QString::fromStdString(
                      buildEveryBrowserBlock(state.project(), state.blockReach, "html.dark")));
        QTest::mouseClick(child(code, "lblClassic"), Qt::LeftButton);
        EXPECT_FALSE(child(code, "txtDark")->isEnabled());
    });
    click("lblCreate");
    click("lblDarkSet");
    click("lblCreate");
    EXPECT_EQ(state.darkWhen, "html.dark");
    EXPECT_EQ(ui.log, (Texts{"(x) The selector list holds \"{\".\r\nThe code stays as it was."}));
}

} // namespace
} // namespace brisvane
