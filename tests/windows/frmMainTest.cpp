#include "windows/frmMain.h"
#include "generate/PreviewPage.h"
#include "generate/StyleBlock.h"
#include "platform/HtmlView.h"
#include "support/MainWindowFixture.h"
#include "windows/AppState.h"
#include "windows/ColorField.h"
#include "windows/ColorPicture.h"
#include "windows/LabelButton.h"
#include "windows/ShapeControl.h"
#include "windows/frmCode.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

using MainWindowTest = test::MainWindowFixture;

TEST_F(MainWindowTest, StartsWithTheGreyStartScheme) {
    EXPECT_EQ(window.windowTitle(), "Brisvane");
    for (ColorRole role : allColorRoles)
        EXPECT_EQ(window.colorField(role)->text(), "#808080");
    for (ColorPicture* part : allPictureParts())
        EXPECT_EQ(part->backColor(), 0x808080);
    EXPECT_EQ(state.scheme, startScheme);
    EXPECT_FALSE(state.schemeModified);
    EXPECT_EQ(state.roleLabels[6], "ArrowColor");

    // The preview shows the page for the start colours, picture from the program's folder.
    const std::string page = buildPreviewPage(startScheme, ui.folder.toStdString());
    EXPECT_EQ(window.txtHTML().toStdString(), page);
    EXPECT_TRUE(window.DHTMLEdit1()->toPlainText().contains("Look at my Colorful Scrollbars."));
}

TEST_F(MainWindowTest, SaveIsOfferedOnlyWhileTheSchemeHasChanges) {
    emit window.mnuFile()->aboutToShow();
    EXPECT_FALSE(window.mnuFileSave()->isEnabled());
    state.schemeModified = true;
    emit window.mnuFile()->aboutToShow();
    EXPECT_TRUE(window.mnuFileSave()->isEnabled());
    state.schemeModified = false;
    emit window.mnuFile()->aboutToShow();
    EXPECT_FALSE(window.mnuFileSave()->isEnabled());
}

TEST_F(MainWindowTest, MenusInTheirOrder) {
    QStringList items;
    for (QAction* a : window.mnuFile()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items.join('|'), "New...|Open...|-|Save|-|Exit");
    QStringList menus;
    for (QAction* a : window.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus.join('|'), "&File|&Help");
    QStringList help;
    for (QAction* a : window.menuBar()->actions()[1]->menu()->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(help.join('|'), "Contents...|-|Visit Quelmark");
}

TEST_F(MainWindowTest, LayoutFollowsTheTwipPositions) {
    // 15 twips make a pixel.
    EXPECT_EQ(window.form()->size(), QSize(601, 362));
    EXPECT_EQ(window.txtHex(0)->geometry(), QRect(128, 200, 70, 18));
    EXPECT_EQ(window.txtHex(4)->geometry(), QRect(128, 328, 70, 18));
    EXPECT_EQ(window.picColors(2)->geometry(), QRect(104, 264, 19, 18));
    EXPECT_EQ(window.txtHexArrows()->geometry(), QRect(304, 232, 70, 18));
    EXPECT_EQ(window.DHTMLEdit1()->geometry(), QRect(395, 201, 189, 145));
    EXPECT_EQ(window.lblCreate()->geometry(), QRect(233, 288, 128, 17));
    EXPECT_EQ(window.lblCreate()->backShape()->geometry(), QRect(232, 285, 130, 21));
    EXPECT_EQ(window.lblCreate()->frontShape()->geometry(), QRect(233, 286, 129, 20));
}

TEST_F(MainWindowTest, EnlargedPictureStacksItsStripsIntoABevel) {
    // What the pointer finds at a point of the picture (window pixels) is the strip that the
    // stacking order leaves visible there.
    struct Probe {
        QPoint at;
        ColorPicture* expected;
        const char* what;
    };
    const Probe probes[] = {
        {{60, 80}, window.picBTrack(), "track"},
        {{130, 150}, window.picBColor(4), "thumb, outer left edge"},
        {{200, 17}, window.picBColor(2), "thumb, outer top edge"},
        {{200, 168}, window.picBColor(4), "thumb, outer bottom edge"},
        {{145, 100}, window.picBColor(3), "thumb, inner left edge"},
        {{200, 152}, window.picBColor(3), "thumb, inner bottom edge"},
        {{200, 40}, window.picBColor(1), "thumb, inner top edge"},
        {{200, 80}, window.picBColor(0), "thumb face"},
        {{380, 80}, window.picBColor(1), "thumb, inner right edge"},
        {{420, 80}, window.picTColor(4), "button, outer left edge"},
        {{500, 60}, window.picTColor(0), "button face"},
        {{485, 100}, window.picBArrow(0), "arrow bar"},
        {{500, 100}, window.picBArrow(1), "arrow tip"},
        {{575, 80}, window.picTColor(2), "button, outer right edge"},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(window.form()->childAt(p.at), p.expected);
    }
    EXPECT_EQ(window.picBArrow(1)->toolTip(), "Click here to change the Arrow Color");
    EXPECT_EQ(window.picTColor(4)->toolTip(), "Click here to change the Darkshadow Color");
    EXPECT_EQ(window.picColors(0)->toolTip(), "Click here to change color");
    EXPECT_EQ(window.picColors(0)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window.picBColor(0)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, HoverLightsOneLabelButtonAtATime) {
    auto lit = [this] {
        return std::vector<bool>{window.lblCreate()->frontShape()->isFillOpaque(),
                                 window.lblReset()->frontShape()->isFillOpaque(),
                                 window.lblExit()->frontShape()->isFillOpaque()};
    };
    using L = std::vector<bool>;
    EXPECT_EQ(lit(), (L{false, false, false}));
    moveOver(window.lblCreate());
    EXPECT_EQ(lit(), (L{true, false, false}));
    moveOver(window.lblReset()); // straight from one to the next
    EXPECT_EQ(lit(), (L{false, true, false}));
    moveOver(window.txtHex(0)); // other elements change nothing
    EXPECT_EQ(lit(), (L{false, true, false}));
    moveOver(window.lblExit());
    EXPECT_EQ(lit(), (L{false, false, true}));
    // A drag that began on another element belongs to that element, wherever it goes.
    QTest::mousePress(window.picColors(0), Qt::LeftButton);
    QTest::mouseMove(window.form(), QPoint(20, 355));
    QTest::mouseRelease(window.form(), Qt::LeftButton, {}, QPoint(20, 355));
    EXPECT_EQ(lit(), (L{false, false, true}));
    QTest::mouseMove(window.form(), QPoint(20, 355)); // the window's background
    EXPECT_EQ(lit(), (L{false, false, false}));
}

TEST_F(MainWindowTest, GenerateThenCopyPutsTheBlockOnTheClipboard) {
    state.scheme.setColor(ColorRole::Face, "#123456"); // as an edit would leave it
    moveOver(window.lblCreate());
    bool sawCode = false;
    ui.modalScripts.push_back([&](QDialog& dialog) {
        auto* code = qobject_cast<frmCode*>(&dialog);
        ASSERT_NE(code, nullptr);
        sawCode = true;
        EXPECT_FALSE(window.lblCreate()->isLit()); // the click put its light out first
        QTest::mouseClick(code->lblCopy(), Qt::LeftButton);
        QTest::mouseClick(code->lblCopy(), Qt::LeftButton);
        QTest::mouseClick(code->lblExit(), Qt::LeftButton);
        EXPECT_FALSE(code->isVisible());
    });
    QTest::mouseClick(window.lblCreate(), Qt::LeftButton);
    ASSERT_TRUE(sawCode);

    ASSERT_EQ(ui.modals.size(), 1u);
    EXPECT_EQ(ui.modals[0].title, "Brisvane | Copy'n'Paste");
    EXPECT_EQ(ui.modals[0].owner, nullptr);
    EXPECT_EQ(ui.clipboard.toStdString(), buildStyleBlock(state.scheme));
    EXPECT_TRUE(ui.clipboard.contains("scrollbar-face-color:#123456;"));
    EXPECT_EQ(ui.clipboardWrites, 2);
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.prompt, "The code has been copied\r\nto the clipboard.");
        EXPECT_EQ(m.buttons, PlatformUi::Buttons::Ok);
        EXPECT_EQ(m.icon, PlatformUi::Icon::Information);
        EXPECT_EQ(m.title, "Brisvane");
    }
}

TEST_F(MainWindowTest, EachGenerateShowsTheColoursOfThatMoment) {
    std::vector<QString> shown;
    auto keep = [&](QDialog& dialog) { shown.push_back(qobject_cast<frmCode*>(&dialog)->code()); };
    ui.modalScripts.push_back(keep);
    ui.modalScripts.push_back(keep);
    QTest::mouseClick(window.lblCreate(), Qt::LeftButton);
    state.scheme = defaultScheme;
    QTest::mouseClick(window.lblCreate(), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].toStdString(), buildStyleBlock(startScheme));
    EXPECT_EQ(shown[1].toStdString(), buildStyleBlock(defaultScheme));
}

TEST_F(MainWindowTest, ExitLabelAndMenuCloseTheWindow) {
    QTest::mouseClick(window.lblExit(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.mnuFile()->actions().last()->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST(CodeWindow, AFailedCopyIsNotReportedAsDone) {
    test::ScriptedPlatformUi ui;
    ui.clipboardWorks = false;
    frmCode code(ui);
    code.setCode(QString::fromStdString(buildStyleBlock(defaultScheme)));
    code.show();
    QTest::mouseClick(code.lblCopy(), Qt::LeftButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, PlatformUi::Icon::Critical);
    EXPECT_FALSE(ui.messages[0].prompt.contains("has been copied"));
    code.close();
}

TEST(CodeWindow, ShowsTheBlockLineByLine) {
    test::ScriptedPlatformUi ui;
    frmCode code(ui);
    code.setCode(QString::fromStdString(buildStyleBlock(defaultScheme)));
    EXPECT_EQ(code.txtCode()->document()->blockCount(), 14);
    EXPECT_EQ(code.txtCode()->document()->findBlockByNumber(4).text(),
              "        scrollbar-face-color:#C0C0C0;");
    EXPECT_EQ(code.code().toStdString(), buildStyleBlock(defaultScheme));
    EXPECT_EQ(code.size(), QSize(601, 435));
}

} // namespace
} // namespace brisvane
