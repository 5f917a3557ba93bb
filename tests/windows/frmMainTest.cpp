#include "generate/EveryBrowserBlock.h"
#include "generate/PreviewPage.h"
#include "generate/StyleBlock.h"
#include "platform/HtmlView.h"
#include "support/MainWindowFixture.h"
#include "windows/LabelButton.h"
#include "windows/frmHelp.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>
#include <QUrl>
#include <filesystem>
#include <sys/stat.h>

namespace brisvane {
namespace {

using test::child;
using test::MainWindowTest;
using test::Texts;
using Perms = std::filesystem::perms;

// The help window while it is open.
frmHelp* shownHelp() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<frmHelp*>(w); help && help->isVisible())
            return help;
    return nullptr;
}

TEST_F(MainWindowTest, StartsGreyWithItsPreviewAndItsPictureStackedIntoABevel) {
    expectShows(startScheme);
    // The sample page's picture comes from the program's folder.
    EXPECT_EQ(window.txtHTML().toStdString(), buildPreviewPage(startScheme, ui.folder));
    EXPECT_TRUE(find<HtmlView>("DHTMLEdit1")->toPlainText().contains("my Colorful Scrollbars."));
    // What the pointer finds at a point of the picture is the strip left on top there.
    const std::pair<QPoint, const char*> probes[] = {
        {{60, 80}, "picBTrack"},    {{130, 150}, "picBColor4"}, {{200, 17}, "picBColor2"},
        {{200, 168}, "picBColor4"}, {{145, 100}, "picBColor3"}, {{200, 152}, "picBColor3"},
        {{200, 40}, "picBColor1"},  {{200, 80}, "picBColor0"},  {{380, 80}, "picBColor1"},
        {{420, 80}, "picTColor4"},  {{500, 60}, "picTColor0"},  {{485, 100}, "picBArrow0"},
        {{500, 100}, "picBArrow1"}, {{575, 80}, "picTColor2"}};
    for (const auto& [at, strip] : probes)
        EXPECT_EQ(window.centralWidget()->childAt(at), find(strip)) << at.x() << "," << at.y();
    EXPECT_EQ(find("picBArrow1")->toolTip(), "Click here to change the Arrow Color");
}

TEST_F(MainWindowTest, HoverLightsOneLabelButtonAtATimeAndExitClosesWithoutAsking) {
    const auto lit = [this] {
        std::string on;
        for (const char* name : {"lblCreate", "lblReset", "lblExit"})
            on += find<LabelButton>(name)->isLit() ? '1' : '0';
        return on;
    };
    moveOver(find("lblCreate"));
    EXPECT_EQ(lit(), "100");
    moveOver(find("lblReset")); // straight from one to the next
    moveOver(find("txtHex0"));  // other elements change nothing
    EXPECT_EQ(lit(), "010");
    moveOver(find("lblExit"));
    // A drag that began on another element belongs to that element, wherever it goes.
    QTest::mousePress(find("picColors0"), Qt::LeftButton);
    QTest::mouseMove(window.centralWidget(), QPoint(20, 355));
    QTest::mouseRelease(window.centralWidget(), Qt::LeftButton, {}, QPoint(20, 355));
    EXPECT_EQ(lit(), "001");
    QTest::mouseMove(window.centralWidget(), QPoint(20, 355)); // the window's background
    EXPECT_EQ(lit(), "000");

    QTest::mouseClick(find("lblExit"), Qt::LeftButton); // nothing has changed: nothing to ask
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindowTest, GenerateShowsTheBlockOfTheMomentAndCopiesIt) {
    state.scheme.setColor(ColorRole::Face, "#123456"); // as an edit would leave it
    moveOver(find("lblCreate"));
    ui.scripts.push_back([&](QDialog& code) {
        EXPECT_FALSE(find<LabelButton>("lblCreate")->isLit()); // the click put its light out first
        QTest::mouseClick(child(code, "lblCopy"), Qt::LeftButton);
        ui.clipboardWorks = false;
        QTest::mouseClick(child(code, "lblCopy"), Qt::LeftButton);
        QTest::mouseClick(child(code, "lblExit"), Qt::LeftButton);
        EXPECT_FALSE(code.isVisible());
    });
    QTest::mouseClick(find("lblCreate"), Qt::LeftButton);
    EXPECT_EQ(ui.modals, (test::Modals{{"Brisvane | Copy'n'Paste", nullptr}}));
    const QString copy = "copy " + QString::fromStdString(buildStyleBlock(state.scheme));
    ASSERT_EQ(ui.log, (Texts{copy, "(i) The code has been copied\r\nto the clipboard.", copy,
                             "(x) The code could not be copied to the clipboard."}));
}

TEST_F(MainWindowTest, TheCodeWindowOffersBothBlocksAndTheReachRemembersThemAndPreviews) {
    state.scheme.setColor(ColorRole::Face, "#123456");
    const std::string classic = buildStyleBlock(state.scheme);
    const std::string every = buildEveryBrowserBlock(state.scheme);
    const std::string page = buildEveryBrowserBlock(state.scheme, BlockReach::page()),
                      side = buildEveryBrowserBlock(state.scheme, *BlockReach::matching(".side"));
    const auto shows = [&](QDialog& code, const std::string& block, const char* note) {
        EXPECT_EQ(child<QTextEdit>(code, "txtCode")->toPlainText().replace("\n", "\r\n"),
                  QString::fromStdString(block));
        EXPECT_TRUE(child<QLabel>(code, "note1")->text().contains(note));
        EXPECT_NE(child<LabelButton>(code, "lblModern")->isChosen(), block == classic);
        EXPECT_EQ(child<LabelButton>(code, "lblClassic")->isChosen(), block == classic);
        EXPECT_NE(child(code, "cboReach")->isEnabled(), block == classic);
    };
    const auto enter = [](QDialog& code, const QString& text) {
        child<QLineEdit>(code, "txtReach")->clear();
        QTest::keyClicks(child(code, "txtReach"), text);
        QTest::keyClick(child(code, "txtReach"), Qt::Key_Return);
    };
    ui.scripts.push_back([&](QDialog& code) {
        shows(code, classic, "affects only Intenet Explorer");
        QTest::mouseClick(child(code, "lblModern"), Qt::LeftButton);
        shows(code, every, "Chrome, Edge, Opera and Safari");
        QTest::mouseClick(child(code, "lblCopy"), Qt::LeftButton);
        // The reach shows at once; a selector list once it is entered, not while none is.
        QTest::keyClick(child(code, "cboReach"), Qt::Key_Down);
        shows(code, page, "Chrome");
        QTest::keyClick(child(code, "cboReach"), Qt::Key_Down);
        shows(code, page, "Chrome");
        enter(code, "p {");
        shows(code, page, "Chrome");
        enter(code, ".side");
        shows(code, side, "Chrome");
    });
    ui.scripts.push_back([&](QDialog& code) {
        shows(code, side, "Chrome"); // as chosen last
        QTest::mouseClick(child(code, "lblClassic"), Qt::LeftButton);
        shows(code, classic, "Intenet");
    });
    QTest::mouseClick(find("lblCreate"), Qt::LeftButton);
    QTest::mouseClick(find("lblCreate"), Qt::LeftButton);
    EXPECT_EQ(ui.log, (Texts{"copy " + QString::fromStdString(every),
                             "(i) The code has been copied\r\nto the clipboard.",
                             "(x) The selector list holds \"{\".\r\nThe code stays as it was."}));
}

TEST_F(MainWindowTest, PreviewWritesAFreshPageOfItsOwnNeverThroughALinkNorWhereOthersWrite) {
    // The cache folder is way/cache, or link/cache through the link "link" to "way"; it may be
    // open to nobody else, and a folder on the way reached by a link neither.
    const std::string way = dir.path + "/way", cache = way + "/cache", victim = dir.path + "/v",
                      open = "other users may write in the folder " + cache,
                      linked = dir.path + "/link/cache is a link whose way runs through " + way +
                               ", a folder another user may change; it is not followed, and "
                               "nothing is written";
    const std::tuple<const char*, const char*, mode_t, mode_t, std::string> cases[] = {
        {"the user's alone", "/way/cache", 0755, 0700, ""},
        {"open to all", "/way/cache", 0755, 0777, open},
        {"open to its group", "/way/cache", 0755, 0770, open},
        {"through a link", "/link/cache", 0755, 0700, ""},
        {"through a link to a folder open to all", "/link/cache", 0777, 0700, linked},
        {"through a link to a folder open to its group", "/link/cache", 0775, 0700, linked}};
    test::writeBytes(victim, "mine");
    ASSERT_EQ(::symlink("way", (dir.path + "/link").c_str()), 0);
    ui.scripts.push_back([&](QDialog& code) {
        for (const auto& [what, folder, wayMode, cacheMode, refused] : cases) {
            SCOPED_TRACE(what);
            std::filesystem::remove_all(way);
            ASSERT_EQ(::mkdir(way.c_str(), 0700) | ::mkdir(cache.c_str(), 0700), 0);
            ASSERT_EQ(::chmod(way.c_str(), wayMode) | ::chmod(cache.c_str(), cacheMode), 0);
            // A link planted where earlier versions wrote is removed, never followed.
            ASSERT_EQ(::symlink(victim.c_str(), (cache + "/brisvane-preview.html").c_str()), 0);
            ui.cache = QString::fromStdString(dir.path + folder);
            ui.log.clear();
            QTest::mouseClick(child(code, "lblPreview"), Qt::LeftButton);
            ASSERT_EQ(ui.log.size(), 1);
            if (!refused.empty()) { // said, and nothing written
                EXPECT_EQ(ui.log[0].toStdString(),
                          "(x) The preview page could not be written: " + refused + ".");
                continue;
            }
            const std::filesystem::path page = QUrl(ui.log[0].mid(5)).toLocalFile().toStdString();
            EXPECT_EQ(std::filesystem::symlink_status(page).permissions(), Perms(0600));
            EXPECT_EQ(test::readBytes(page), buildBrowserPage(buildStyleBlock(state.scheme), true));
            EXPECT_EQ(test::namesIn(cache), std::set<std::string>{page.filename()});
        }
    });
    QTest::mouseClick(find("lblCreate"), Qt::LeftButton);
    EXPECT_EQ(test::readBytes(victim), "mine");
}

TEST_F(MainWindowTest, ImportTakesThePageColoursAsTypedSaysWhatItSkippedAndLeavesTheRest) {
    const std::string page = dir.path + "/page.htm", pipe = dir.path + "/pipe";
    const auto import = [&](const std::string& text, const std::string& file = {}) {
        if (!text.empty())
            test::writeBytes(page, text);
        ui.texts.push_back(QString::fromStdString(file.empty() ? page : file));
        find<QAction>("mnuFileImport")->trigger();
    };
    // A style sheet, whatever the file is called.
    const std::string partial = "html { scrollbar-face-color:RED;scrollbar-arrow-color:#abc;\n"
                                "scrollbar-track-color:nonsense }";
    import(partial);
    ScrollbarScheme expected = startScheme;
    expected.setColor(ColorRole::Face, "#FF0000");
    expected.setColor(ColorRole::Arrow, "#AABBCC");
    expectShows(expected);
    state.setSchemeModified(false);
    import(partial); // the same colours again: still a change
    EXPECT_TRUE(saveOffered());
    state.setSchemeModified(false);
    import("<p>no colours</p>");
    import("", dir.path + "/none");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0); // no writer: opening it must not wait
    import("", pipe);
    expectShows(expected);
    EXPECT_FALSE(saveOffered());
    // A newer page's thumb pointed at, and its colours for dark mode, which make a dark set.
    import("body{scrollbar-face-color:#222222} ::-webkit-scrollbar-thumb:hover{background:#333}"
           "@media (prefers-color-scheme: dark) { body { scrollbar-face-color: #111111 } }");
    EXPECT_EQ(state.scheme.faceGroupColors[0] + state.scheme.hoverColor, "#222222#333333");
    ASSERT_TRUE(state.darkScheme);
    EXPECT_EQ(state.darkScheme->faceGroupColors[0], "#111111");
    const char* skipped = "page.htm could be taken as it stands:\r\nLine 2: scrollbar-track-color: "
                          "'nonsense' is not a color; it keeps the color it had";
    const char* said[] = {skipped, skipped,
                          "page.htm, none of the seven scrollbar colors is set; no color has "
                          "changed.",
                          "/none could not be read: No such file or directory.",
                          "/pipe could not be read: it is not a regular file."};
    ASSERT_EQ(ui.messages.size(), std::size(said));
    for (std::size_t i = 0; i < std::size(said); ++i)
        EXPECT_TRUE(ui.messages[i].first.endsWith(said[i])) << ui.messages[i].first.toStdString();
}

// The help window's page, by file name.
QString page(const frmHelp* help) {
    return child<HtmlView>(*help, "DHTMLEdit1")->source().fileName();
}

TEST_F(MainWindowTest, TheHelpMenuShowsTheHelpBesideTheWindowWhereTreeKeysAndLinksChooseThePage) {
    find<QAction>("mnuHelpContents")->trigger();
    frmHelp* help = shownHelp();
    ASSERT_TRUE(help);
    EXPECT_TRUE(ui.modals.empty()); // modeless
    EXPECT_EQ(page(help), "index.htm");
    auto* tree = child<QTreeWidget>(*help, "TreeView1");
    const char* const pages[] = {"index.htm", "mod.htm", "tut.htm", "Quelmark.htm"};
    for (int node : {3, 2, 1, 0, 2}) { // every click changes the page
        const QPoint at = tree->visualItemRect(tree->topLevelItem(node)).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(page(help), pages[node]);
    }
    QTest::keyClick(tree, Qt::Key_Up); // the keys move through the pages too
    EXPECT_EQ(page(help), "mod.htm");
    child<HtmlView>(*help, "DHTMLEdit1")->setSource(QUrl("tut.htm")); // a link: the tree marks it
    find<QAction>("mnuHelpContents")->trigger(); // already open: nothing changes
    EXPECT_EQ(shownHelp(), help);
    EXPECT_EQ(tree->currentItem()->text(0), "Tutorial");
    find<QAction>("mnuHelpVisit")->trigger();
    child<HtmlView>(*help, "DHTMLEdit1")->setSource(QUrl("https://www.quelmark.example/tools"));
    EXPECT_EQ(page(help), "tut.htm");
    EXPECT_EQ(ui.log, (Texts{"open https://www.quelmark.example/",
                             "open https://www.quelmark.example/tools"}));
    help->close();
}

// A bad character typed, its window's link shows the colour page; Contents then opens there too.
TEST_F(MainWindowTest, TheHexErrorWindowsLinkBringsTheHelpToTheColourPageOrOpensItThere) {
    const auto moreInfo = [this] {
        ui.scripts.push_front([](QDialog& dialog) {
            QTest::mouseClick(child(dialog, "lblMoInfo"), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible()); // gone once the help window has closed
        });
        find<ColorField>("txtHex0")->setCursorPosition(1);
        QTest::keyClicks(find("txtHex0"), "x");
    };
    find<QAction>("mnuHelpContents")->trigger();
    moreInfo();
    EXPECT_EQ(page(shownHelp()), "mod.htm"); // the open window, brought to the page
    shownHelp()->close();
    QString shown;
    ui.scripts.push_back([&](QDialog& dialog) {
        auto* modal = qobject_cast<frmHelp*>(&dialog);
        shown = page(modal) + " " + child<QTreeWidget>(*modal, "TreeView1")->currentItem()->text(0);
    });
    moreInfo();
    EXPECT_EQ(shown, "mod.htm Modify Colors"); // the marked node names the page shown
    EXPECT_EQ(ui.modals.size(), 3u);           // the help after two Hex Error windows
    EXPECT_EQ(ui.modals.back().second, &window);
    find<QAction>("mnuHelpContents")->trigger();
    EXPECT_EQ(page(shownHelp()), "mod.htm");
    shownHelp()->close();
}

TEST(ProgramFolder, ANameThatIsNoTextOrHoldsQuotesStillGivesThePictureAndTheHelp) {
    test::TempFolder root;
    const std::string build = QCoreApplication::applicationDirPath().toStdString();
    const std::string folder = root.path + "/Caf\xE9 \"A&B\"";
    std::filesystem::create_directories(folder + "/Help");
    for (const char* file : {"/dummy.jpg", "/Help/index.htm"})
        std::filesystem::copy_file(build + file, folder + file);
    test::MainWindow s({}, folder);
    frmHelp help{s.state, s.ui};
    QTextDocument* preview = s.find<HtmlView>("DHTMLEdit1")->document();
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
    EXPECT_TRUE(child<HtmlView>(help, "DHTMLEdit1")->toPlainText().contains("Brisvane"));
}

} // namespace
} // namespace brisvane
