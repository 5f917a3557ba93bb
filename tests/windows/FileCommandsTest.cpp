#include "scheme/ColorFieldText.h"
#include "support/MainWindowFixture.h"
#include "windows/frmOpen.h"

#include <QLineEdit>
#include <QTreeView>

namespace brisvane {
namespace {

using enum PlatformUi::Answer;
using test::child;
using test::MainWindowTest;
using test::Texts;
using Names = std::vector<std::string>;

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
        {New, {Yes, No}, "", {question, askNew, notSaved, question}, true},
        {Open, {Yes, No}, "", {question, ask, notSaved, question}, true},
        {Open, {Yes, Cancel}, "TAKEN", {question, ask, taken("TAKEN"), question}, false},
        {Close, {Yes, No}, "", {closing, ask, closeNotSaved, closing}, true},
        {Close, {Yes, Cancel}, "Taken", {closing, ask, taken("Taken"), closing}, false}};
    for (const auto& [caller, answers, name, log, goesOn] : rows) {
        SCOPED_TRACE(testing::Message() << "caller " << caller << ", " << answers.size()
                                        << " answers, name \"" << name.toStdString() << '"');
        test::MainWindow s;
        ASSERT_TRUE(s.store.createProject("Taken").ok);
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
        EXPECT_EQ(s.ui.messages[0].buttons, PlatformUi::Buttons::YesNoCancel);
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

TEST_F(MainWindowTest, SaveAsksForANameUntilTheProjectHasOne) {
    ASSERT_TRUE(store.createProject("Taken").ok);
    state.setSchemeModified(true);
    ui.texts = {"", "Taken", "Mine"};
    save(); // an empty name ends it
    save(); // a taken name asks again at once
    EXPECT_EQ(ui.log,
              (Texts{ask, notSaved, ask, taken("Taken"), ask, "(i) Mine, has been Saved."}));
    EXPECT_EQ(window.windowTitle(), "Brisvane | Mine");
    EXPECT_EQ(listed(), (Names{"Taken", "Mine"}));
    EXPECT_FALSE(saveOffered());
}

TEST_F(MainWindowTest, SaveAndItsKeyAreOfferedExactlyWhileThereAreChanges) {
    window.activateWindow();
    for (bool modified : {false, true}) {
        state.setSchemeModified(modified); // as a change does, with the menu closed
        EXPECT_EQ(saveOffered(), modified);
        QTest::keyClick(find("txtHex0"), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(ui.log, (modified ? Texts{ask, notSaved} : Texts{})); // the key saves, unnamed
    }
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
    EXPECT_EQ(s.find<ColorField>("txtHex0")->text(), "#808080");
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

TEST_F(MainWindowTest, TheCreateOpenWindow) {
    // A damaged project from an older file, its name in Windows-1252, and a sound one.
    test::writeBytes(dir.path + "/data.ini",
                     "[Projects]\n1=Caf\xE9\n[Caf\xE9]\n1=C0C0C0\n2=#FFFFFF\n"
                     "3=#C0C0C0\n4=#8080\n6=#E0E0E0\n7=#000000\n");
    const ScrollbarScheme b{
        {"#336633", "#99CC99", "#669966", "#224422", "#000000"}, "#CCDDCC", "#FFFFFF"};
    ASSERT_TRUE(store.saveProject(true, "B", b).ok);
    frmOpen open(ui, store);
    window.attach(open);
    open.hideOpenPanel();
    open.show();
    EXPECT_EQ(child<QLineEdit>(open, "txtName")->selectedText(), "My Colorful Scrollbar");
    QTest::mouseClick(child(open, "lblReset"), Qt::LeftButton);
    EXPECT_FALSE(open.isVisible());
    expectShows(defaultScheme);
    EXPECT_EQ(window.windowTitle(), "Brisvane | My Colorful Scrollbar");
    EXPECT_EQ(listed(), (Names{"Caf\xE9", "B", "My Colorful Scrollbar"}));
    EXPECT_FALSE(saveOffered());

    frmOpen again(ui, store);
    window.attach(again);
    again.hideOpenPanel();
    again.show();
    QTest::keyClick(child(again, "txtName"), Qt::Key_Return); // Enter is Ok: the name is taken now
    child<QLineEdit>(again, "txtName")->clear();
    QTest::mouseClick(child(again, "lblReset"), Qt::LeftButton);
    EXPECT_EQ(ui.log, (Texts{taken("My Colorful Scrollbar"),
                             "(x) [ERROR] You must type in a Project Name."}));
    QTest::mouseClick(child(again, "lblOpen"), Qt::LeftButton); // the Existing tab
    EXPECT_TRUE(child(again, "fmeOpenPnl")->isVisible());
    QTest::keyClick(&again, Qt::Key_Tab, Qt::ControlModifier); // and back by keyboard
    EXPECT_FALSE(child(again, "fmeOpenPnl")->isVisible());
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());

    again.chooseExisting();
    again.show();
    auto* list = child<QTreeView>(again, "lvOpen");
    const QModelIndex rowB = list->model()->index(1, 0);
    EXPECT_EQ(rowB.siblingAtColumn(1).data().toString() + rowB.siblingAtColumn(2).data().toString(),
              "02:40 PM07/05/2002");
    list->clearSelection();
    QTest::keyClick(list, Qt::Key_Return); // no row chosen: nothing happens
    EXPECT_TRUE(again.isVisible());
    const QPoint row = list->visualRect(rowB).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_FALSE(again.isVisible());
    expectShows(b);

    // No row is chosen until an arrow key chooses one; Enter then opens it. Damaged colours go
    // through the field rules, and one message names them.
    frmOpen byKeyboard(ui, store);
    window.attach(byKeyboard);
    byKeyboard.chooseExisting();
    byKeyboard.show();
    auto* rows = child<QTreeView>(byKeyboard, "lvOpen");
    EXPECT_FALSE(rows->selectionModel()->hasSelection());
    EXPECT_FALSE(rows->currentIndex().isValid());
    QTest::keyClick(rows, Qt::Key_Down);
    EXPECT_EQ(rows->currentIndex().data().toString(), "Caf\u00e9");
    QTest::keyClick(rows, Qt::Key_Return);
    EXPECT_FALSE(byKeyboard.isVisible());
    EXPECT_EQ(window.windowTitle(), "Brisvane | Caf\u00e9");
    EXPECT_EQ(find<ColorField>("txtHex0")->text(), "#C0C0C0"); // the "#" put in front
    EXPECT_EQ(find<ColorField>("txtHex4")->text(), "#");       // "<not_set>"
    EXPECT_TRUE(ui.modals.empty()); // no Hex Error window: nothing was typed
    EXPECT_TRUE(ui.log.back().startsWith("(i) Some colours") &&
                ui.log.back().contains("\"Caf\u00e9\" are not colours in the project "
                                       "file:\r\nFace: C0C0C0\r\nShadow: #8080\r\n"
                                       "Darkshadow: <not_set>\r\n"));
    EXPECT_FALSE(saveOffered());
    // Opened again over fields holding its texts, it comes in the same, as on the command line.
    window.openProject("Caf\xE9");
    const ScrollbarScheme stored = store.openProject("Caf\xE9").light;
    for (ColorRole role : allColorRoles)
        EXPECT_EQ(colorTextAfterFieldRules(stored.color(role)), state.scheme.color(role));
    QTest::keyClicks(find("txtHex4"), "4"); // a named project saves without asking, under its bytes
    save();
    EXPECT_TRUE(test::readBytes(dir.path + "/data.ini")
                    .starts_with("[Projects]\n1=Caf\xE9\n2=B\n3=My Colorful Scrollbar\n"
                                 "[Caf\xE9]\n1=#C0C0C0\n2=#FFFFFF\n"));
    EXPECT_EQ(ui.log.back(), "(i) Caf\u00e9, has been Saved.");
    EXPECT_EQ(ui.pumps, 3); // one opening each
}

} // namespace
} // namespace brisvane
