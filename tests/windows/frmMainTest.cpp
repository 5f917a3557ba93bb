#include "generate/PreviewPage.h"
#include "generate/StyleBlock.h"
#include "platform/HtmlView.h"
#include "support/MainWindowFixture.h"
#include "windows/LabelButton.h"
#include "windows/frmCode.h"
#include "windows/frmHelp.h"
#include "windows/frmHexErr.h"

#include <QTextBlock>
#include <QTreeWidget>
#include <filesystem>

namespace brisvane {
namespace {

using test::MainWindowTest;
using test::Texts;

TEST_F(MainWindowTest, StartsGreyWithItsPreviewAndItsPictureStackedIntoABevel) {
    expectShows(startScheme);
    // The sample page's picture comes from the program's folder.
    EXPECT_EQ(window.txtHTML().toStdString(), buildPreviewPage(startScheme, ui.folder));
    EXPECT_TRUE(window.DHTMLEdit1()->toPlainText().contains("Look at my Colorful Scrollbars."));
    EXPECT_FALSE(saveOffered());
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
}

TEST_F(MainWindowTest, HoverLightsOneLabelButtonAtATimeAndExitClosesWithoutAsking) {
    const auto lit = [this] {
        std::string on;
        for (const LabelButton* b : {window.lblCreate(), window.lblReset(), window.lblExit()})
            on += b->isLit() ? '1' : '0';
        return on;
    };
    moveOver(window.lblCreate());
    EXPECT_EQ(lit(), "100");
    moveOver(window.lblReset()); // straight from one to the next
    moveOver(window.txtHex(0));  // other elements change nothing
    EXPECT_EQ(lit(), "010");
    moveOver(window.lblExit());
    // A drag that began on another element belongs to that element, wherever it goes.
    QTest::mousePress(window.picColors(0), Qt::LeftButton);
    QTest::mouseMove(window.form(), QPoint(20, 355));
    QTest::mouseRelease(window.form(), Qt::LeftButton, {}, QPoint(20, 355));
    EXPECT_EQ(lit(), "001");
    QTest::mouseMove(window.form(), QPoint(20, 355)); // the window's background
    EXPECT_EQ(lit(), "000");

    window.mnuFileNew()->trigger(); // nothing has changed: nothing to ask
    QTest::mouseClick(window.lblExit(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.mnuFileExit()->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ui.modals, (test::Modals{{"Create/Open Scrollbar", nullptr}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindowTest, GenerateShowsTheBlockOfTheMomentAndCopiesIt) {
    state.scheme.setColor(ColorRole::Face, "#123456"); // as an edit would leave it
    moveOver(window.lblCreate());
    ui.scripts.push_back([&](QDialog& dialog) {
        auto* code = qobject_cast<frmCode*>(&dialog);
        ASSERT_TRUE(code);
        EXPECT_FALSE(window.lblCreate()->isLit()); // the click put its light out first
        QTest::mouseClick(code->lblCopy(), Qt::LeftButton);
        ui.clipboardWorks = false;
        QTest::mouseClick(code->lblCopy(), Qt::LeftButton);
        QTest::mouseClick(code->lblExit(), Qt::LeftButton);
        EXPECT_FALSE(code->isVisible());
    });
    QTest::mouseClick(window.lblCreate(), Qt::LeftButton);
    EXPECT_EQ(ui.modals, (test::Modals{{"Brisvane | Copy'n'Paste", nullptr}}));
    const QString copy = "copy " + QString::fromStdString(buildStyleBlock(state.scheme));
    ASSERT_EQ(ui.log, (Texts{copy, "The code has been copied\r\nto the clipboard.", copy,
                             "The code could not be copied to the clipboard."}));
    EXPECT_EQ(ui.messages[1].icon, PlatformUi::Icon::Critical);
}

TEST_F(MainWindowTest, HelpOpensFromTheMenuAndFromTheHexErrorWindowOnTheRightPage) {
    const auto page = [](const frmHelp* help) { return help->DHTMLEdit1()->source().fileName(); };
    window.mnuHelpContents()->trigger();
    frmHelp* help = window.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_TRUE(ui.modals.empty()); // modeless
    EXPECT_EQ(page(help), "index.htm");
    QTreeWidget* tree = help->TreeView1();
    const char* const pages[] = {"index.htm", "mod.htm", "tut.htm", "Quelmark.htm"};
    for (int node : {3, 2, 1, 0, 2}) { // every click changes the page
        const QPoint at = tree->visualItemRect(tree->topLevelItem(node)).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(page(help), pages[node]);
        EXPECT_FALSE(help->DHTMLEdit1()->document()->isEmpty());
    }
    QTest::keyClick(tree, Qt::Key_Up); // the keys move through the pages too
    EXPECT_EQ(page(help), "mod.htm");
    help->DHTMLEdit1()->setSource(QUrl("tut.htm")); // a link: the tree marks its page
    window.mnuHelpContents()->trigger();            // already open: nothing changes
    EXPECT_EQ(window.helpWindow(), help);
    EXPECT_EQ(tree->currentItem()->text(0), "Tutorial");
    window.mnuHelpVisit()->trigger();
    help->DHTMLEdit1()->setSource(QUrl("https://www.quelmark.example/tools"));
    EXPECT_EQ(page(help), "tut.htm");
    EXPECT_EQ(ui.log, (Texts{"open https://www.quelmark.example/",
                             "open https://www.quelmark.example/tools"}));

    // A bad character typed; the link of its error window brings the open help window to the
    // colour page, or opens one there, modally. Contents opens there from then on.
    const auto moreInfo = [this] {
        ui.scripts.push_front([](QDialog& dialog) {
            QTest::mouseClick(qobject_cast<frmHexErr*>(&dialog)->lblMoInfo(), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible()); // gone once the help window has closed
        });
        window.txtHex(0)->setCursorPosition(1);
        QTest::keyClicks(window.txtHex(0), "x");
    };
    moreInfo();
    EXPECT_EQ(window.helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(page(help), "mod.htm");
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QString shown;
    ui.scripts.push_back([&](QDialog& dialog) {
        auto* modal = qobject_cast<frmHelp*>(&dialog);
        shown = page(modal) + " " + modal->TreeView1()->currentItem()->text(0);
    });
    moreInfo();
    EXPECT_EQ(shown, "mod.htm Modify Colors"); // the marked node names the page shown
    EXPECT_EQ(ui.modals, (test::Modals{{"Hex Error", &window},
                                       {"Hex Error", &window},
                                       {"Brisvane | Documentation", &window}}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window.mnuHelpContents()->trigger();
    EXPECT_EQ(page(window.helpWindow()), "mod.htm");
    window.helpWindow()->close();
}

TEST(ProgramFolder, ANameThatIsNoTextOrHoldsQuotesStillGivesThePictureAndTheHelp) {
    test::TempFolder root;
    const std::string build = QCoreApplication::applicationDirPath().toStdString();
    const std::string folder = root.path + "/Caf\xE9 \"A&B\"";
    std::filesystem::create_directories(folder + "/Help");
    for (const char* file : {"/dummy.jpg", "/Help/index.htm"})
        std::filesystem::copy_file(build + file, folder + file);
    AppState state;
    test::ScriptedPlatformUi ui{folder};
    test::FixedClock clock;
    clsINI ini{folder, "brisvane"};
    ProjectStore store{ini, clock};
    frmMain window{state, ui, store};
    frmHelp help{state, ui};
    QTextDocument* preview = window.DHTMLEdit1()->document();
    QString picture;
    for (QTextBlock b = preview->begin(); b.isValid(); b = b.next()) {
        for (auto part = b.begin(); !part.atEnd(); ++part) {
            if (part.fragment().charFormat().isImageFormat())
                picture = part.fragment().charFormat().toImageFormat().name();
        }
    }
    EXPECT_EQ(
        preview->resource(QTextDocument::ImageResource, QUrl(picture)).value<QPixmap>().size(),
        QImage(QString::fromStdString(build + "/dummy.jpg")).size());
    EXPECT_TRUE(help.DHTMLEdit1()->toPlainText().contains("Brisvane"));
}

} // namespace
} // namespace brisvane
