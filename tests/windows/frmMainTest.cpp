#include "windows/frmMain.h"
#include "generate/PreviewPage.h"
#include "generate/StyleBlock.h"
#include "platform/HtmlView.h"
#include "support/MainWindowFixture.h"
#include "windows/LabelButton.h"
#include "windows/frmCode.h"
#include "windows/frmHelp.h"
#include "windows/frmHexErr.h"

#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

namespace brisvane {
namespace {

using test::MainWindowTest;
using Message = test::ScriptedPlatformUi::Message;

TEST_F(MainWindowTest, StartsGreyWithItsPreviewAndNothingToSave) {
    expectShows(startScheme);
    // The sample page's picture comes from the program's folder.
    EXPECT_EQ(window.txtHTML().toStdString(),
              buildPreviewPage(startScheme, ui.folder.toStdString()));
    EXPECT_TRUE(window.DHTMLEdit1()->toPlainText().contains("Look at my Colorful Scrollbars."));
    EXPECT_FALSE(saveOffered());
    state.schemeModified = true;
    EXPECT_TRUE(saveOffered());
    state.schemeModified = false;
    EXPECT_FALSE(saveOffered());
}

TEST_F(MainWindowTest, EnlargedPictureStacksItsStripsIntoABevel) {
    // What the pointer finds at a point of the picture is the strip left on top there.
    const std::pair<QPoint, ColorPicture*> probes[] = {
        {{60, 80}, window.picBTrack()},    {{130, 150}, window.picBColor(4)},
        {{200, 17}, window.picBColor(2)},  {{200, 168}, window.picBColor(4)},
        {{145, 100}, window.picBColor(3)}, {{200, 152}, window.picBColor(3)},
        {{200, 40}, window.picBColor(1)},  {{200, 80}, window.picBColor(0)},
        {{380, 80}, window.picBColor(1)},  {{420, 80}, window.picTColor(4)},
        {{500, 60}, window.picTColor(0)},  {{485, 100}, window.picBArrow(0)},
        {{500, 100}, window.picBArrow(1)}, {{575, 80}, window.picTColor(2)}};
    for (const auto& [at, strip] : probes)
        EXPECT_EQ(window.form()->childAt(at), strip) << at.x() << "," << at.y();
    EXPECT_EQ(window.picBArrow(1)->toolTip(), "Click here to change the Arrow Color");
    EXPECT_EQ(window.picTColor(4)->toolTip(), "Click here to change the Darkshadow Color");
    EXPECT_EQ(window.picColors(0)->toolTip(), "Click here to change color");
    EXPECT_EQ(window.picColors(0)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window.picBColor(0)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, HoverLightsOneLabelButtonAtATime) {
    const auto lit = [this] {
        std::string on;
        for (const LabelButton* b : {window.lblCreate(), window.lblReset(), window.lblExit()})
            on += b->isLit() ? '1' : '0';
        return on;
    };
    EXPECT_EQ(lit(), "000");
    moveOver(window.lblCreate());
    EXPECT_EQ(lit(), "100");
    moveOver(window.lblReset()); // straight from one to the next
    EXPECT_EQ(lit(), "010");
    moveOver(window.txtHex(0)); // other elements change nothing
    EXPECT_EQ(lit(), "010");
    moveOver(window.lblExit());
    EXPECT_EQ(lit(), "001");
    // A drag that began on another element belongs to that element, wherever it goes.
    QTest::mousePress(window.picColors(0), Qt::LeftButton);
    QTest::mouseMove(window.form(), QPoint(20, 355));
    QTest::mouseRelease(window.form(), Qt::LeftButton, {}, QPoint(20, 355));
    EXPECT_EQ(lit(), "001");
    QTest::mouseMove(window.form(), QPoint(20, 355)); // the window's background
    EXPECT_EQ(lit(), "000");
}

TEST_F(MainWindowTest, GenerateShowsTheBlockOfTheMomentAndCopiesIt) {
    state.scheme.setColor(ColorRole::Face, "#123456"); // as an edit would leave it
    moveOver(window.lblCreate());
    ui.modalScripts.push_back([&](QDialog& dialog) {
        auto* code = qobject_cast<frmCode*>(&dialog);
        ASSERT_TRUE(code);
        EXPECT_FALSE(window.lblCreate()->isLit()); // the click put its light out first
        EXPECT_EQ(code->txtCode()->document()->findBlockByNumber(4).text(),
                  "        scrollbar-face-color:#123456;");
        QTest::mouseClick(code->lblCopy(), Qt::LeftButton);
        ui.clipboardWorks = false;
        QTest::mouseClick(code->lblCopy(), Qt::LeftButton);
        QTest::mouseClick(code->lblExit(), Qt::LeftButton);
        EXPECT_FALSE(code->isVisible());
    });
    QTest::mouseClick(window.lblCreate(), Qt::LeftButton);
    ASSERT_EQ(ui.modals.size(), 1u);
    EXPECT_EQ(ui.modals[0].title, "Brisvane | Copy'n'Paste");
    EXPECT_EQ(ui.modals[0].owner, nullptr);
    const QString block = QString::fromStdString(buildStyleBlock(state.scheme));
    EXPECT_EQ(ui.clipboard, (std::vector<QString>{block, block}));
    using enum PlatformUi::Icon;
    using enum PlatformUi::Buttons;
    EXPECT_EQ(ui.messages,
              (std::vector<Message>{
                  {"The code has been copied\r\nto the clipboard.", Ok, Information, "Brisvane"},
                  {"The code could not be copied to the clipboard.", Ok, Critical, "Brisvane"}}));
}

TEST_F(MainWindowTest, ExitLabelAndMenuCloseTheWindow) {
    QTest::mouseClick(window.lblExit(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.mnuFileExit()->trigger();
    EXPECT_FALSE(window.isVisible());
}

QString pageOf(const frmHelp* help) {
    return help->DHTMLEdit1()->source().fileName();
}
QString nodeOf(const frmHelp* help) {
    return help->TreeView1()->currentItem()->text(0);
}

TEST_F(MainWindowTest, HelpContentsShowEachNodesPageAndWebLinksGoToTheBrowser) {
    window.mnuHelpContents()->trigger();
    frmHelp* help = window.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_TRUE(ui.modals.empty()); // modeless
    EXPECT_EQ(pageOf(help), "index.htm");
    const std::pair<const char*, const char*> nodes[] = {{"Brisvane", "index.htm"},
                                                         {"Modify Colors", "mod.htm"},
                                                         {"Tutorial", "tut.htm"},
                                                         {"Quelmark Inc.", "Quelmark.htm"}};
    QTreeWidget* tree = help->TreeView1();
    ASSERT_EQ(tree->topLevelItemCount(), 4);
    for (int i = 3; i >= 0; --i) { // from the last, so that every click changes the page
        QTreeWidgetItem* node = tree->topLevelItem(i);
        EXPECT_EQ(node->text(0), nodes[i].first);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
        EXPECT_EQ(pageOf(help), nodes[i].second);
        EXPECT_FALSE(help->DHTMLEdit1()->document()->isEmpty());
    }
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(2)).center());
    window.mnuHelpContents()->trigger(); // already open: nothing changes
    EXPECT_EQ(window.helpWindow(), help);
    EXPECT_EQ(nodeOf(help), "Tutorial");

    window.mnuHelpVisit()->trigger();
    help->DHTMLEdit1()->setSource(QUrl("https://www.quelmark.example/tools"));
    EXPECT_EQ(ui.openedAddresses, (std::vector<QString>{"https://www.quelmark.example/",
                                                        "https://www.quelmark.example/tools"}));
    EXPECT_EQ(pageOf(help), "tut.htm");
    help->close();
}

TEST_F(MainWindowTest, MoreInfoOfTheHexErrorWindowOpensTheColourPage) {
    // A bad character typed into the face field; its error window's link is clicked.
    const auto moreInfo = [this] {
        ui.modalScripts.push_front([this](QDialog& dialog) {
            QTest::mouseClick(qobject_cast<frmHexErr*>(&dialog)->lblMoInfo(), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible()); // gone once the help window has closed
        });
        window.txtHex(0)->setCursorPosition(1);
        QTest::keyClicks(window.txtHex(0), "x");
    };
    bool shown = false;
    ui.modalScripts.push_back([&](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(ui.modals.back().owner, &window);
        EXPECT_EQ(pageOf(qobject_cast<frmHelp*>(&dialog)), "mod.htm");
        EXPECT_EQ(nodeOf(qobject_cast<frmHelp*>(&dialog)), "Brisvane");
    });
    moreInfo();
    EXPECT_TRUE(shown);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Contents opens there from now on; a link clicked then brings that window to the page.
    window.mnuHelpContents()->trigger();
    frmHelp* help = window.helpWindow();
    EXPECT_EQ(pageOf(help), "mod.htm");
    help->showPage("index.htm");
    moreInfo();
    EXPECT_EQ(window.helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(pageOf(help), "mod.htm");
    EXPECT_EQ(ui.modals.size(), 3u); // two error windows, one modal help window
    help->close();
}

} // namespace
} // namespace brisvane
