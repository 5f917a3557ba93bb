#include "support/ScriptedPlatformUi.h"
#include "windows/AppState.h"
#include "windows/ColorField.h"
#include "windows/LabelButton.h"
#include "windows/ProjectAccess.h"
#include "windows/frmMain.h"
#include "windows/frmOpen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

using Answer = PlatformUi::Answer;

class FailingRename : public FileSystem {
public:
    int rename(const char*, const char*) override {
        errno = EROFS;
        return -1;
    }
};

// A main window over a data.ini of its own in a fresh folder.
struct Session {
    Session() {
        char pattern[] = "/tmp/brisvane-files-XXXXXX";
        folder = mkdtemp(pattern);
        ui.folder = QString::fromStdString(folder);
        state.clock = std::make_shared<FixedClock>();
        window.show();
    }
    ~Session() {
        state.schemeModified = false;
        window.close();
        std::filesystem::remove_all(folder);
    }
    std::vector<std::string> listed() {
        std::vector<std::string> names;
        for (const ProjectRow& row : projectStore(state, ui).listProjects())
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
        emit window.mnuFile()->aboutToShow();
        window.mnuFileSave()->trigger();
    }
    struct FixedClock : Clock {
        std::tm localNow() const override {
            std::tm t{};
            t.tm_year = 102;
            t.tm_mon = 6;
            t.tm_mday = 5;
            t.tm_hour = 14;
            t.tm_min = 40;
            return t;
        }
    };
    void failWrites() {
        state.projectIni =
            std::make_unique<clsINI>(folder, "brisvane", std::make_shared<FailingRename>());
        state.projects = std::make_unique<ProjectStore>(*state.projectIni, *state.clock, folder);
    }

    std::string folder;
    AppState state;
    test::ScriptedPlatformUi ui;
    frmMain window{state, ui};
};

const QString taken = QStringLiteral("There is already a Project named: Taken\r\n"
                                     "You must choose a different Project Name.");

TEST(FileCommands, TheSaveQuestionOfNewOpenAndClosing) {
    enum class Caller { New, Open, Close };
    struct Path {
        const char* what;
        std::vector<Answer> answers;
        std::vector<QString> names;
        bool savedAsP1;
        bool goesOn; // New and Open show the Create/Open window; closing closes
        int messagesAfterQuestion;
    };
    const Path paths[] = {
        {"Yes, a free name", {Answer::Yes}, {"P1"}, true, true, 1},
        {"Yes, an empty name, then No", {Answer::Yes, Answer::No}, {""}, false, true, 2},
        {"Yes, a taken name, then Cancel",
         {Answer::Yes, Answer::Cancel},
         {"Taken"},
         false,
         false,
         2},
        {"Yes, a taken name in other letters, then Cancel",
         {Answer::Yes, Answer::Cancel},
         {"TAKEN"},
         false,
         false,
         2},
        {"No", {Answer::No}, {}, false, true, 0},
        {"Cancel", {Answer::Cancel}, {}, false, false, 0},
    };
    for (Caller caller : {Caller::New, Caller::Open, Caller::Close}) {
        for (const Path& path : paths) {
            SCOPED_TRACE(std::string(path.what) + " / caller " + std::to_string(int(caller)));
            Session s;
            ASSERT_TRUE(projectStore(s.state, s.ui).createProject("Taken").ok);
            s.state.schemeModified = true;
            s.ui.answers.assign(path.answers.begin(), path.answers.end());
            s.ui.texts.assign(path.names.begin(), path.names.end());
            bool shownOpen = false;
            s.ui.modalScripts.push_back([&](QDialog& dialog) {
                shownOpen = dialog.windowTitle() == "Create/Open Scrollbar";
                auto* open = qobject_cast<frmOpen*>(&dialog);
                ASSERT_NE(open, nullptr);
                EXPECT_EQ(open->fmeOpenPnl()->isVisible(), caller == Caller::Open);
            });
            if (caller == Caller::New)
                s.window.mnuFileNew()->trigger();
            else if (caller == Caller::Open)
                s.window.mnuFileOpen()->trigger();
            else
                s.window.close();

            ASSERT_GE(s.ui.messages.size(), 1u);
            const auto& question = s.ui.messages[0];
            EXPECT_EQ(question.prompt, caller == Caller::Close
                                           ? "You are about to close Brisvane.\r\n"
                                             "Do you want to save the current Scrollbar?"
                                           : "Do you want to save the current Scrollbar?");
            EXPECT_EQ(question.buttons, PlatformUi::Buttons::YesNoCancel);
            EXPECT_EQ(question.icon, PlatformUi::Icon::None);
            if (!path.names.empty()) {
                EXPECT_EQ(s.ui.askedPrompts[0],
                          caller == Caller::New
                              ? "Type in a Project Name to Save the current Scrollbar as."
                              : "Type in a Project Name.");
            }
            if (path.names == std::vector<QString>{""}) {
                EXPECT_EQ(s.ui.messages[1].prompt,
                          caller == Caller::Close ? "The current Scrollbar has not been Saved."
                                                  : "The current Scrollbar has not been saved.");
            }
            if (path.names == std::vector<QString>{"Taken"}) {
                EXPECT_EQ(s.ui.messages[1].prompt, taken);
            }
            EXPECT_EQ(s.listed().size(), path.savedAsP1 ? 2u : 1u);
            if (path.savedAsP1) {
                EXPECT_EQ(s.listed()[1], "P1");
                EXPECT_EQ(s.ui.messages[1].prompt, "P1, has been Saved.");
                EXPECT_EQ(s.state.currentProjectName, "P1");
                EXPECT_FALSE(s.state.schemeModified);
                EXPECT_EQ(s.window.windowTitle(), "Brisvane"); // only Save names the window
            }
            if (caller == Caller::Close) {
                EXPECT_EQ(s.window.isVisible(), !path.goesOn);
                EXPECT_GE(s.ui.pumps, 1);
            } else {
                EXPECT_EQ(shownOpen, path.goesOn);
                if (shownOpen) {
                    EXPECT_EQ(s.ui.modals.back().owner,
                              caller == Caller::Open ? &s.window : nullptr);
                }
            }
            EXPECT_EQ(s.ui.messages.size(), 1u + path.messagesAfterQuestion);
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

TEST(FileCommands, Save) {
    Session s;
    ASSERT_TRUE(projectStore(s.state, s.ui).createProject("Taken").ok);
    s.state.schemeModified = true;

    s.ui.texts = {""}; // an empty name ends it
    s.save();
    EXPECT_EQ(s.prompts(), std::vector<QString>{"The current Scrollbar has not been saved."});
    EXPECT_TRUE(s.state.schemeModified);

    s.ui.messages.clear();
    s.ui.texts = {"Taken", "Mine"}; // a taken name asks again at once
    s.save();
    EXPECT_EQ(s.prompts(), (std::vector<QString>{taken, "Mine, has been Saved."}));
    EXPECT_EQ(s.ui.askedPrompts.back(), "Type in a Project Name.");
    EXPECT_EQ(s.window.windowTitle(), "Brisvane | Mine");
    EXPECT_EQ(s.listed(), (std::vector<std::string>{"Taken", "Mine"}));
    EXPECT_FALSE(s.state.schemeModified);

    s.ui.messages.clear();
    const auto asked = s.ui.askedPrompts.size();
    s.window.txtHex(0)->setText("#123456");
    s.save(); // a named project saves without asking
    EXPECT_EQ(s.ui.askedPrompts.size(), asked);
    EXPECT_EQ(projectStore(s.state, s.ui).openProject("Mine").faceGroupColors[0], "#123456");
    EXPECT_EQ(s.listed().size(), 2u);
}

TEST(FileCommands, ASaveTheFileDidNotTakeIsNeverReportedAsDone) {
    Session s;
    s.failWrites();
    s.state.schemeModified = true;
    s.ui.texts = {"Mine"};
    s.save();
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0].icon, PlatformUi::Icon::Critical);
    EXPECT_TRUE(s.ui.messages[0].prompt.contains(QString::fromStdString(s.folder + "/data.ini")));
    EXPECT_TRUE(s.ui.messages[0].prompt.contains("Read-only file system"));
    EXPECT_TRUE(s.state.schemeModified);
    EXPECT_TRUE(s.state.currentProjectName.empty());
    EXPECT_EQ(s.window.windowTitle(), "Brisvane");

    // The close prompt's save fails too: the window stays open with its colours.
    s.ui.answers = {Answer::Yes};
    s.ui.texts = {"Mine"};
    s.window.close();
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_TRUE(s.state.schemeModified);
    for (const auto& m : s.ui.messages)
        EXPECT_FALSE(m.prompt.contains("has been Saved"));
}

TEST(FileCommands, AReadOnlyDataIniIsReportedAndKeepsTheWindowOpen) {
    Session s;
    ASSERT_TRUE(projectStore(s.state, s.ui).createProject("Mine").ok);
    s.window.openProject("Mine");
    std::filesystem::permissions(s.folder + "/data.ini", std::filesystem::perms::owner_read);
    s.window.txtHex(0)->setText("#123456");
    s.save();
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0].icon, PlatformUi::Icon::Critical);
    EXPECT_TRUE(s.ui.messages[0].prompt.contains("Permission denied"));
    EXPECT_TRUE(s.state.schemeModified);

    s.ui.answers = {Answer::Yes};
    s.window.close();
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_EQ(s.ui.messages.back().icon, PlatformUi::Icon::Critical);
}

TEST(FileCommands, TheCreateOpenWindow) {
    Session s;
    {
        frmOpen open(s.state, s.ui, s.window);
        open.hideOpenPanel();
        open.show();
        EXPECT_EQ(open.windowTitle(), "Create/Open Scrollbar");
        EXPECT_FALSE(open.fmeOpenPnl()->isVisible());
        EXPECT_EQ(open.picNew()->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(open.txtName()->selectedText(), "My Colorful Scrollbar");
        QTest::mouseClick(open.lblReset(), Qt::LeftButton);
        EXPECT_FALSE(open.isVisible());
    }
    EXPECT_EQ(s.window.windowTitle(), "Brisvane | My Colorful Scrollbar");
    EXPECT_EQ(s.listed(), std::vector<std::string>{"My Colorful Scrollbar"});

    frmOpen again(s.state, s.ui, s.window);
    again.hideOpenPanel();
    again.show();
    QTest::keyClick(again.txtName(), Qt::Key_Return); // Enter is Ok: the name is taken now
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(s.ui.messages.back().prompt,
              "There is already a Project named: My Colorful Scrollbar\r\n"
              "You must choose a different Project Name.");
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

TEST(FileCommands, OpeningFromTheList) {
    Session s;
    ProjectStore& store = projectStore(s.state, s.ui);
    ASSERT_TRUE(store.createProject("A").ok);
    ScrollbarScheme b = defaultScheme;
    b.trackColor = "#123456";
    ASSERT_TRUE(store.saveProject(true, "B", b).ok);

    frmOpen open(s.state, s.ui, s.window);
    open.chooseExisting();
    open.show();
    QTreeWidget* list = open.lvOpen();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "B");
    list->clearSelection();
    emit list->itemDoubleClicked(list->topLevelItem(1), 0); // no row chosen: nothing happens
    QTest::mouseClick(open.lblReset(), Qt::LeftButton);
    EXPECT_TRUE(open.isVisible());
    EXPECT_EQ(s.window.windowTitle(), "Brisvane");

    const QRect row = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(open.isVisible());
    EXPECT_EQ(s.window.windowTitle(), "Brisvane | B");
    EXPECT_EQ(s.window.txtHexTrack()->text(), "#123456");
    EXPECT_FALSE(s.state.schemeModified);
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

} // namespace
} // namespace brisvane
