#include "scheme/ColorFieldText.h"
#include "support/MainWindowFixture.h"
#include "windows/frmOpen.h"

#include <QLineEdit>
#include <QTreeView>

namespace brisvane {
namespace {

using enum PlatformUi::Answer;

const QString question = "Do you want to save the current Scrollbar?";
const QString closing = "You are about to close Brisvane.\r\n" + question;
const QString ask = "ask Type in a Project Name.";
const QString notSaved = "(i) The current Scrollbar has not been saved.";
QString taken(const QString& name) {
    return "(x) There is already a Project named: " + name +
           "\r\nYou must choose a different Project Name.";
}

TEST(FileCommands, TheSaveQuestionOfNewOpenAndClosing) {
    enum Caller { New, Open, Close };
    const QString askNew = "ask Type in a Project Name to Save the current Scrollbar as.";
    const QString closeNotSaved = "(i) The current Scrollbar has not been Saved.";
    // The answers, the name typed in when asked for one, every message and question in order,
    // and whether it goes on: New and Open show the Create/Open window, closing closes.
    const std::tuple<Caller, std::vector<PlatformUi::Answer>, QString, Texts, bool> rows[] = {
        {New, {Yes}, "P1", {question, askNew, "(i) P1, has been Saved."}, true},
        {Open, {Yes, No}, "", {question, ask, notSaved, question}, true},
        {Open, {Yes, Cancel}, "TAKEN", {question, ask, taken("TAKEN"), question}, false},
        {Close, {Yes, No}, "", {closing, ask, closeNotSaved, closing}, true},
        {Close, {Yes, Cancel}, "Taken", {closing, ask, taken("Taken"), closing}, false}};
    for (const auto& [caller, answers, name, log, goesOn] : rows) {
        SCOPED_TRACE(testing::Message()
                     << caller << ' ' << answers.size() << ' ' << name.toStdString());
        test::MainWindow s;
        ASSERT_TRUE(s.store.createProject("Taken").ok());
        s.state.setSchemeModified(true);
        s.ui.answers.assign(answers.begin(), answers.end());
        s.ui.texts = {name};
        bool existingTab = false;
        s.ui.scripts.push_back(
            [&](QDialog& dialog) { existingTab = child(dialog, "fmeOpenPnl")->isVisible(); });
        if (caller == Close)
            s.window.close();
        else
            s.find<QAction>(caller == New ? "mnuFileNew" : "mnuFileOpen")->trigger();

        ASSERT_EQ(s.ui.log, log);
        EXPECT_EQ(s.ui.messages[0].second, PlatformUi::Buttons::YesNoCancel);
        const bool saved = name == "P1";
        EXPECT_EQ(s.listed().size(), saved ? 2u : 1u);
        EXPECT_EQ(s.saveOffered(), !saved);
        EXPECT_EQ(s.window.windowTitle(), "Brisvane"); // only Save names the window
        const bool shown = goesOn && caller != Close;
        EXPECT_EQ(s.ui.modals, test::Modals(shown, {"Create/Open Scrollbar",
                                                    caller == Open ? &s.window : nullptr}));
        EXPECT_EQ(existingTab, shown && caller == Open);
        EXPECT_EQ(s.window.isVisible(), caller != Close || !goesOn);
        EXPECT_EQ(s.ui.pumps, goesOn || caller == Close ? 1 : 0); // once before it goes on
    }
}

TEST_F(MainWindowTest, SaveIsOfferedWhileThereAreChangesAndAsksForANameUntilTheProjectHasOne) {
    ASSERT_TRUE(store.createProject("Taken").ok());
    EXPECT_FALSE(saveOffered());
    state.setSchemeModified(true); // as any change does, with the menu closed
    EXPECT_TRUE(saveOffered());
    ui.texts = {"", "Taken", "Mine"};
    window.activateWindow();
    QTest::keyClick(find("txtHex0"), Qt::Key_S, Qt::ControlModifier); // an empty name ends it
    save(); // a taken name asks again at once
    EXPECT_EQ(ui.log,
              (Texts{ask, notSaved, ask, taken("Taken"), ask, "(i) Mine, has been Saved."}));
    EXPECT_EQ(window.windowTitle(), "Brisvane | Mine");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Taken", "Mine"}));
    EXPECT_FALSE(saveOffered());
}

TEST(FileCommands, AWriteTheFileDidNotTakeIsNeverReportedAsDone) {
    test::MainWindow s(test::FailingFileSystem::Call::Rename);
    EXPECT_FALSE(s.window.createProject("X"));
    s.state.setSchemeModified(true);
    s.ui.answers = {Yes, Yes};
    s.ui.texts = {"Mine", "Mine", "Mine"};
    s.save();
    s.window.close(); // the close prompt's save fails too: the window stays open
    s.save();         // unnamed still
    EXPECT_EQ(s.window.windowTitle(), "Brisvane");
    s.state.currentProjectName = "Mine"; // a named project's save fails the same way
    s.save();
    s.window.close();
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_TRUE(s.saveOffered());
    const auto failed = [&](const QString& name, const QString& done) {
        return "(x) The Project \"" + name + "\" could not be " + done + " in\r\n" +
               QString::fromStdString(s.dir.path) + "/data.ini:\r\nRead-only file system";
    };
    const QString saving = failed("Mine", "saved");
    EXPECT_EQ(s.ui.log, (Texts{failed("X", "created"), ask, saving, closing, ask, saving, ask,
                               saving, saving, closing, saving}));
}

// The Create/Open window over a damaged project from an older file, named in Windows-1252, and B.
struct CreateOpenTest : MainWindowTest {
    CreateOpenTest() {
        test::writeBytes(dir.path + "/data.ini",
                         "[Projects]\n1=Caf\xE9\n[Caf\xE9]\n1=C0C0C0\n"
                         "2=#FFFFFF\n3=#C0C0C0\n4=#8080\n6=#E0E0E0\n7=#000000\n");
        EXPECT_TRUE(store.saveProject(true, "B", darkDefaultScheme).ok());
    }
    frmOpen& show(bool existing) { // a fresh window, on the tab its caller chooses
        open.emplace(ui, store);
        window.attach(*open);
        existing ? open->chooseExisting() : open->hideOpenPanel();
        open->show();
        return *open;
    }
    QTreeView* rows() { return child<QTreeView>(*open, "lvOpen"); }
    std::optional<frmOpen> open;
};

TEST_F(CreateOpenTest, TheNewTabCreatesAFreeNameAndStaysForATakenOrEmptyOne) {
    auto* name = child<QLineEdit>(show(false), "txtName");
    name->setText("B");
    QTest::keyClick(name, Qt::Key_Return); // Enter is Ok
    name->clear();
    QTest::mouseClick(child(*open, "lblReset"), Qt::LeftButton);
    EXPECT_EQ(ui.log, (Texts{taken("B"), "(x) [ERROR] You must type in a Project Name."}));
    EXPECT_EQ(child<QLineEdit>(show(false), "txtName")->selectedText(), "My Colorful Scrollbar");
    QTest::mouseClick(child(*open, "lblReset"), Qt::LeftButton);
    EXPECT_FALSE(open->isVisible());
    expectShows(defaultScheme);
    EXPECT_EQ(window.windowTitle(), "Brisvane | My Colorful Scrollbar");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Caf\xE9", "B", "My Colorful Scrollbar"}));
}

TEST_F(CreateOpenTest, TheTabsSwitchByMouseAndKeyboardAndEscapeCancels) {
    QTest::mouseClick(child(show(false), "lblOpen"), Qt::LeftButton); // the Existing tab
    EXPECT_TRUE(child(*open, "fmeOpenPnl")->isVisible());
    QTest::keyClick(&*open, Qt::Key_Tab, Qt::ControlModifier); // and back by keyboard
    EXPECT_FALSE(child(*open, "fmeOpenPnl")->isVisible());
    QTest::keyClick(&*open, Qt::Key_Escape);
    EXPECT_FALSE(open->isVisible());
}

TEST_F(CreateOpenTest, TheExistingTabShowsTimesAndDatesAndOpensOnlyAChosenRow) {
    QTest::keyClick(show(true).focusWidget(), Qt::Key_Return); // no row chosen
    const QModelIndex rowB = rows()->model()->index(1, 0);
    EXPECT_EQ(rowB.siblingAtColumn(1).data().toString() + rowB.siblingAtColumn(2).data().toString(),
              "02:40 PM07/05/2002");
    const QPoint at = rows()->visualRect(rowB).center();
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, Qt::ControlModifier, at); // deselected
    ASSERT_EQ(rows()->currentIndex(), rowB);
    QTest::mouseClick(child(*open, "lblReset"), Qt::LeftButton); // Ok: none chosen, still
    EXPECT_TRUE(open->isVisible());
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(rows()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(open->isVisible());
    expectShows(darkDefaultScheme);
}

// An arrow key chooses the first row, which no row is until then; Enter opens it.
TEST_F(CreateOpenTest, TheKeyboardOpensARowAndADamagedProjectComesInThroughTheFieldRules) {
    QTest::keyClick(child(show(true), "lvOpen"), Qt::Key_Down);
    EXPECT_EQ(rows()->currentIndex().data().toString(), "Caf\u00e9");
    QTest::keyClick(rows(), Qt::Key_Return);
    EXPECT_EQ(window.windowTitle(), "Brisvane | Caf\u00e9");
    EXPECT_EQ(find<ColorField>("txtHex0")->text(), "#C0C0C0"); // the "#" put in front
    EXPECT_EQ(find<ColorField>("txtHex4")->text(), "#");       // "<not_set>"
    EXPECT_TRUE(ui.modals.empty()); // no Hex Error window: nothing was typed
    EXPECT_TRUE(ui.log.back().startsWith(
        "(i) Some colours of the Project \"Caf\u00e9\" are not colours in the project file:\r\n"
        "Face: C0C0C0\r\nShadow: #8080\r\nDarkshadow: <not_set>\r\nThey are")); // no unset state
    EXPECT_FALSE(saveOffered());
    // Opened again over fields holding its texts, it comes in the same, as on the command line.
    window.openProject("Caf\xE9");
    const ScrollbarScheme stored = store.openProject("Caf\xE9").light;
    for (ColorRole role : allColorRoles)
        EXPECT_EQ(colorTextAfterFieldRules(stored.color(role), role), state.scheme.color(role));
    QTest::keyClicks(find("txtHex4"), "4"); // a named project saves without asking, under its bytes
    save();
    EXPECT_TRUE(test::readBytes(dir.path + "/data.ini")
                    .starts_with("[Projects]\n1=Caf\xE9\n2=B\n[Caf\xE9]\n1=#C0C0C0\n2=#FFFFFF\n"));
    EXPECT_EQ(ui.log.back(), "(i) Caf\u00e9, has been Saved.");
    EXPECT_EQ(ui.pumps, 2); // one opening each
}

} // namespace
} // namespace brisvane
