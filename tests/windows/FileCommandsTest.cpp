#include "support/CoreTestSupport.h"
#include "support/MainWindowFixture.h"
#include "windows/LabelButton.h"
#include "windows/ProjectAccess.h"
#include "windows/frmOpen.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace brisvane {
namespace {

// A main window over a data.ini of its own in a fresh folder.
struct Session : test::MainWindow {
    Session() {
        ui.folder = QString::fromStdString(dir.path);
        clock->now = test::FixedClock::at(2002, 7, 5, 14, 40);
        state.clock = clock;
    }
    ProjectStore& store() { return projectStore(state, ui); }
    std::vector<std::string> listed() {
        std::vector<std::string> names;
        for (const ProjectRow& row : store().listProjects())
            names.push_back(row.name);
        return names;
    }
    std::vector<QString> prompts() const {
        std::vector<QString> p;
        for (const auto& m : ui.messages)
            p.push_back(m.prompt);
        return p;
    }
    // As the user does it: the menu opens, and offers Save while there are changes.
    void save() {
        if (saveOffered())
            window.mnuFileSave()->trigger();
    }

    test::TempFolder dir;
    std::shared_ptr<test::FixedClock> clock = std::make_shared<test::FixedClock>();
};

const QString question = "Do you want to save the current Scrollbar?";
const QString closing = "You are about to close Brisvane.\r\n" + question;
const QString typeName = "Type in a Project Name.";
const QString notSaved = "The current Scrollbar has not been saved.";
QString taken(const QString& name) {
    return "There is already a Project named: " + name +
           "\r\nYou must choose a different Project Name.";
}

TEST(FileCommands, TheSaveQuestionOfNewOpenAndClosing) {
    using enum PlatformUi::Answer;
    enum Caller { New, Open, Close };
    struct Row {
        Caller caller;
        std::vector<PlatformUi::Answer> answers;
        QString name;                 // typed in when a name is asked for
        std::vector<QString> prompts; // every message, in order
        bool goesOn;                  // New and Open show the Create/Open window; closing closes
    };
    const Row rows[] = {{New, {Yes}, "P1", {question, "P1, has been Saved."}, true},
                        {New, {Yes, No}, "", {question, notSaved, question}, true},
                        {New, {Cancel}, "", {question}, false},
                        {Open, {Yes, No}, "", {question, notSaved, question}, true},
                        {Open, {Yes, Cancel}, "TAKEN", {question, taken("TAKEN"), question}, false},
                        {Open, {No}, "", {question}, true},
                        {Close,
                         {Yes, No},
                         "",
                         {closing, "The current Scrollbar has not been Saved.", closing},
                         true},
                        {Close, {Yes, Cancel}, "Taken", {closing, taken("Taken"), closing}, false},
                        {Close, {Cancel}, "", {closing}, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(&r - rows);
        Session s;
        ASSERT_TRUE(s.store().createProject("Taken").ok);
        s.state.schemeModified = true;
        s.ui.answers.assign(r.answers.begin(), r.answers.end());
        s.ui.texts = {r.name};
        bool existingTab = false;
        s.ui.modalScripts.push_back([&](QDialog& dialog) {
            existingTab = qobject_cast<frmOpen*>(&dialog)->fmeOpenPnl()->isVisible();
        });
        if (r.caller == Close)
            s.window.close();
        else
            (r.caller == New ? s.window.mnuFileNew() : s.window.mnuFileOpen())->trigger();

        ASSERT_EQ(s.prompts(), r.prompts);
        EXPECT_EQ(s.ui.messages[0].buttons, PlatformUi::Buttons::YesNoCancel);
        EXPECT_EQ(s.ui.messages[0].icon, PlatformUi::Icon::None);
        const QString namePrompt =
            r.caller == New ? "Type in a Project Name to Save the current Scrollbar as." : typeName;
        EXPECT_EQ(s.ui.askedPrompts, std::vector<QString>(r.answers[0] == Yes, namePrompt));
        const bool saved = r.name == "P1";
        EXPECT_EQ(s.listed().size(), saved ? 2u : 1u);
        EXPECT_EQ(s.state.currentProjectName, saved ? "P1" : "");
        EXPECT_EQ(s.saveOffered(), !saved);
        EXPECT_EQ(s.window.windowTitle(), "Brisvane"); // only Save names the window
        if (r.caller == Close) {
            EXPECT_EQ(s.window.isVisible(), !r.goesOn);
            EXPECT_GE(s.ui.pumps, 1);
        } else if (r.goesOn) {
            ASSERT_EQ(s.ui.modals.size(), 1u);
            EXPECT_EQ(s.ui.modals[0].title, "Create/Open Scrollbar");
            EXPECT_EQ(s.ui.modals[0].owner, r.caller == Open ? &s.window : nullptr);
            EXPECT_EQ(existingTab, r.caller == Open);
        } else {
            EXPECT_TRUE(s.ui.modals.empty());
        }
    }
}

TEST(FileCommands, WithoutChangesNothingIsAsked) {
    Session s;
    s.window.mnuFileNew()->trigger();
    s.window.close();
    EXPECT_TRUE(s.ui.messages.empty());
    EXPECT_EQ(s.ui.modals.size(), 1u);
    EXPECT_FALSE(s.window.isVisible());
}

TEST(FileCommands, SaveAsksForANameUntilTheProjectHasOne) {
    Session s;
    ASSERT_TRUE(s.store().createProject("Taken").ok);
    s.state.schemeModified = true;
    s.ui.texts = {"", "Taken", "Mine"};
    s.save(); // an empty name ends it
    s.save(); // a taken name asks again at once
    EXPECT_EQ(s.prompts(),
              (std::vector<QString>{notSaved, taken("Taken"), "Mine, has been Saved."}));
    EXPECT_EQ(s.ui.askedPrompts, std::vector<QString>(3, typeName));
    EXPECT_EQ(s.window.windowTitle(), "Brisvane | Mine");
    EXPECT_EQ(s.listed(), (std::vector<std::string>{"Taken", "Mine"}));
    EXPECT_FALSE(s.saveOffered());

    s.window.txtHex(0)->setText("#123456");
    s.save(); // a named project saves without asking
    EXPECT_EQ(s.ui.askedPrompts.size(), 3u);
    EXPECT_EQ(s.store().openProject("Mine").faceGroupColors[0], "#123456");
    EXPECT_EQ(s.listed().size(), 2u);
}

TEST(FileCommands, AWriteTheFileDidNotTakeIsNeverReportedAsDone) {
    using Call = test::FailingFileSystem::Call;
    Session s;
    s.state.projectIni = std::make_unique<clsINI>(
        s.dir.path, "brisvane", std::make_shared<test::FailingFileSystem>(Call::Rename, EROFS));
    s.state.projects = std::make_unique<ProjectStore>(*s.state.projectIni, *s.clock, s.dir.path);
    EXPECT_FALSE(s.window.createProject("X"));
    s.state.schemeModified = true;
    s.ui.answers = {PlatformUi::Answer::Yes, PlatformUi::Answer::Yes};
    s.ui.texts = {"Mine", "Mine"};
    s.save();
    s.window.close(); // the close prompt's save fails too: the window stays open
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_TRUE(s.state.currentProjectName.empty());
    EXPECT_EQ(s.window.windowTitle(), "Brisvane");
    EXPECT_EQ(s.window.txtHex(0)->text(), "#808080");

    s.state.currentProjectName = "Mine"; // and so does a named project's
    s.save();
    s.window.close();
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_TRUE(s.saveOffered());
    const auto failed = [&](const QString& name, const QString& done) {
        return "The Project \"" + name + "\" could not be " + done + " in\r\n" +
               QString::fromStdString(s.dir.path) + "/data.ini:\r\nRead-only file system";
    };
    EXPECT_EQ(s.prompts(),
              (std::vector<QString>{failed("X", "created"), failed("Mine", "saved"), closing,
                                    failed("Mine", "saved"), failed("Mine", "saved"), closing,
                                    failed("Mine", "saved")}));
    for (const auto& m : s.ui.messages)
        EXPECT_EQ(m.icon,
                  m.prompt == closing ? PlatformUi::Icon::None : PlatformUi::Icon::Critical);
}

TEST(FileCommands, TheCreateOpenWindowCreates) {
    Session s;
    {
        frmOpen open(s.state, s.ui, s.window);
        open.hideOpenPanel();
        open.show();
        EXPECT_EQ(open.picNew()->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(open.txtName()->selectedText(), "My Colorful Scrollbar");
        QTest::mouseClick(open.lblReset(), Qt::LeftButton);
        EXPECT_FALSE(open.isVisible());
    }
    s.expectShows(defaultScheme);
    EXPECT_EQ(s.window.windowTitle(), "Brisvane | My Colorful Scrollbar");
    EXPECT_EQ(s.listed(), std::vector<std::string>{"My Colorful Scrollbar"});
    EXPECT_FALSE(s.saveOffered());

    frmOpen again(s.state, s.ui, s.window);
    again.hideOpenPanel();
    again.show();
    QTest::keyClick(again.txtName(), Qt::Key_Return); // Enter is Ok: the name is taken now
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(s.ui.messages.back().prompt, taken("My Colorful Scrollbar"));
    again.txtName()->clear();
    QTest::mouseClick(again.lblReset(), Qt::LeftButton);
    EXPECT_EQ(s.ui.messages.back().prompt, "You must type in a Project Name.");
    EXPECT_EQ(s.ui.messages.back().title, "ERROR");

    again.txtName()->setText("Second");
    QTest::mouseClick(again.lblOpen(), Qt::LeftButton); // the Existing tab
    EXPECT_TRUE(again.fmeOpenPnl()->isVisible());
    EXPECT_EQ(again.picOpen()->palette().color(QPalette::Window), QColor(Qt::white));
    ASSERT_EQ(again.lvOpen()->topLevelItemCount(), 1);
    EXPECT_EQ(again.lvOpen()->topLevelItem(0)->text(1), "02:40 PM");
    EXPECT_EQ(again.lvOpen()->topLevelItem(0)->text(2), "07/05/2002");
    QTest::keyClick(&again, Qt::Key_Tab, Qt::ControlModifier); // and back by keyboard
    EXPECT_FALSE(again.fmeOpenPnl()->isVisible());
    EXPECT_EQ(again.txtName()->text(), "Second");
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
}

TEST(FileCommands, TheCreateOpenWindowOpensTheChosenRowOnce) {
    Session s;
    ASSERT_TRUE(s.store().createProject("A").ok);
    const ScrollbarScheme b{
        {"#336633", "#99CC99", "#669966", "#224422", "#000000"}, "#CCDDCC", "#FFFFFF"};
    ASSERT_TRUE(s.store().saveProject(true, "B", b).ok);
    s.window.txtHex(0)->setText("#1");

    frmOpen open(s.state, s.ui, s.window);
    open.chooseExisting();
    open.show();
    QTreeWidget* list = open.lvOpen();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    list->clearSelection();
    emit list->itemDoubleClicked(list->topLevelItem(1), 0); // no row chosen: nothing happens
    QTest::mouseClick(open.lblReset(), Qt::LeftButton);
    EXPECT_TRUE(open.isVisible());
    EXPECT_EQ(s.window.windowTitle(), "Brisvane");

    const QPoint row = list->visualItemRect(list->topLevelItem(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_FALSE(open.isVisible());
    s.expectShows(b);
    EXPECT_EQ(s.window.windowTitle(), "Brisvane | B");
    EXPECT_FALSE(s.saveOffered());
    EXPECT_EQ(s.ui.pumps, 1); // opened once

    // Enter on a row opens it, and nothing else.
    frmOpen byKeyboard(s.state, s.ui, s.window);
    byKeyboard.chooseExisting();
    byKeyboard.show();
    byKeyboard.lvOpen()->setCurrentItem(byKeyboard.lvOpen()->topLevelItem(0));
    QTest::keyClick(byKeyboard.lvOpen(), Qt::Key_Return);
    EXPECT_FALSE(byKeyboard.isVisible());
    EXPECT_EQ(s.window.windowTitle(), "Brisvane | A");
    EXPECT_EQ(s.listed(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(s.ui.pumps, 2);
}

TEST(FileCommands, ADamagedColourGoesThroughTheFieldRules) {
    Session s;
    test::writeBytes(s.dir.path + "/data.ini", "[Projects]\n1=A\n[A]\n1=C0C0C0\n2=#FFFFFF\n"
                                               "3=#C0C0C0\n4=#808080\n6=#E0E0E0\n7=#000000\n");
    s.window.openProject("A");
    EXPECT_EQ(s.window.txtHex(0)->text(), "#C0C0C0"); // the "#" put in front
    EXPECT_EQ(s.window.txtHex(4)->text(), "#");       // "<not_set>"
    EXPECT_EQ(s.window.picBColor(4)->backColor(), 0);
    EXPECT_EQ(s.ui.modals.size(), 6u); // one Hex Error window per bad character
    EXPECT_FALSE(s.saveOffered());
}

} // namespace
} // namespace brisvane
