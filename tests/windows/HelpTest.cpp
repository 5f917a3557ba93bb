#include "platform/HtmlView.h"
#include "support/MainWindowFixture.h"
#include "windows/ColorField.h"
#include "windows/frmHelp.h"
#include "windows/frmHexErr.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

namespace brisvane {
namespace {

class HelpTest : public test::MainWindowFixture {
protected:
    QString page(frmHelp* help) const { return help->DHTMLEdit1()->source().fileName(); }
    QString selectedNode(frmHelp* help) const { return help->TreeView1()->currentItem()->text(0); }

    // Types a bad character into the face field; its error window's link is clicked, and
    // `inHelp` runs while the help window that the link opens is up.
    void moreInfo(const std::function<void(frmHelp&)>& inHelp) {
        ui.modalScripts.push_back([this](QDialog& dialog) {
            auto* hexError = qobject_cast<frmHexErr*>(&dialog);
            ASSERT_NE(hexError, nullptr);
            QTest::mouseClick(hexError->lblMoInfo(), Qt::LeftButton);
            EXPECT_FALSE(hexError->isVisible()); // gone once the help window has closed
        });
        if (inHelp)
            ui.modalScripts.push_back(
                [inHelp](QDialog& dialog) { inHelp(*qobject_cast<frmHelp*>(&dialog)); });
        window.txtHex(0)->setCursorPosition(1);
        QTest::keyClicks(window.txtHex(0), "x");
    }
};

TEST_F(HelpTest, ContentsOpensTheTreeOfPagesAndEachNodeShowsItsPage) {
    window.mnuHelpContents()->trigger();
    frmHelp* help = window.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Brisvane | Documentation");
    EXPECT_EQ(selectedNode(help), "Brisvane");
    EXPECT_EQ(page(help), "index.htm");
    EXPECT_TRUE(ui.modals.empty()); // modeless

    const std::pair<const char*, const char*> nodes[] = {
        {"Brisvane", "index.htm"},
        {"Modify Colors", "mod.htm"},
        {"Tutorial", "tut.htm"},
        {"Quelmark Inc.", "Quelmark.htm"},
    };
    QTreeWidget* tree = help->TreeView1();
    ASSERT_EQ(tree->topLevelItemCount(), 4);
    for (int i = 3; i >= 0; --i) {
        SCOPED_TRACE(nodes[i].first);
        QTreeWidgetItem* node = tree->topLevelItem(i);
        EXPECT_EQ(node->text(0), nodes[i].first);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
        EXPECT_EQ(page(help), nodes[i].second);
        EXPECT_FALSE(help->DHTMLEdit1()->document()->isEmpty()); // the page is there
    }

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(2)).center());
    window.mnuHelpContents()->trigger(); // already open: nothing changes
    EXPECT_EQ(window.helpWindow(), help);
    EXPECT_EQ(page(help), "tut.htm");
    EXPECT_EQ(selectedNode(help), "Tutorial");
    help->close();
}

TEST_F(HelpTest, MoreInfoOpensTheColourPageModallyAndLaterContentsStartsThere) {
    bool shown = false;
    moreInfo([&](frmHelp& help) {
        shown = true;
        EXPECT_EQ(ui.modals.back().owner, &window);
        EXPECT_EQ(page(&help), "mod.htm");
        EXPECT_EQ(selectedNode(&help), "Brisvane");
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(state.helpPage, "mod.htm");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window.mnuHelpContents()->trigger();
    frmHelp* help = window.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(page(help), "mod.htm");
    EXPECT_EQ(selectedNode(help), "Brisvane");
    help->close();
}

TEST_F(HelpTest, MoreInfoWhileTheHelpIsOpenBringsItToTheColourPage) {
    window.mnuHelpContents()->trigger();
    frmHelp* help = window.helpWindow();
    moreInfo(nullptr);
    EXPECT_EQ(window.helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(page(help), "mod.htm");
    EXPECT_EQ(ui.modals.size(), 1u); // the error window only
    help->close();
}

TEST_F(HelpTest, TheMakersSiteOpensInTheDesktopsBrowser) {
    window.mnuHelpVisit()->trigger();
    ASSERT_EQ(ui.openedAddresses.size(), 1u);
    EXPECT_EQ(ui.openedAddresses[0], "https://www.quelmark.example/");

    // A web link in a help page goes the same way; the page stays.
    window.mnuHelpContents()->trigger();
    frmHelp* help = window.helpWindow();
    help->DHTMLEdit1()->setSource(QUrl(QStringLiteral("https://www.quelmark.example/tools")));
    ASSERT_EQ(ui.openedAddresses.size(), 2u);
    EXPECT_EQ(ui.openedAddresses[1], "https://www.quelmark.example/tools");
    EXPECT_EQ(page(help), "index.htm");
    help->close();
}

} // namespace
} // namespace brisvane
