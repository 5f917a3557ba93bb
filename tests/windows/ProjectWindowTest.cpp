#include "support/MainWindowFixture.h"
#include "windows/ColorField.h"
#include "windows/ProjectAccess.h"

#include <QMenu>
#include <cerrno>
#include <filesystem>
#include <fstream>

namespace brisvane {
namespace {

class FailingRename : public FileSystem {
public:
    int rename(const char*, const char*) override {
        errno = EACCES;
        return -1;
    }
};

class ProjectWindowTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        char pattern[] = "/tmp/brisvane-window-XXXXXX";
        folder = mkdtemp(pattern);
        ui.folder = QString::fromStdString(folder);
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        std::filesystem::remove_all(folder);
    }
    void write(const std::string& text) { std::ofstream(folder + "/data.ini") << text; }
    bool saveOffered() {
        emit window.mnuFile()->aboutToShow();
        return window.mnuFileSave()->isEnabled();
    }
    void expectShows(const ScrollbarScheme& scheme) {
        for (ColorRole role : allColorRoles) {
            SCOPED_TRACE(std::string(cssPropertyName(role)));
            const std::string& text = scheme.color(role);
            EXPECT_EQ(window.colorField(role)->text().toStdString(), text);
            for (ColorPicture* part : window.roleParts(role))
                EXPECT_EQ(part->backColor(), hexToColor(text));
            EXPECT_TRUE(window.txtHTML().contains(
                QString::fromStdString(std::string(cssPropertyName(role)) + ":" + text + ";")));
        }
    }

    std::string folder;
};

TEST_F(ProjectWindowTest, CreatingShowsTheDefaultsUnderTheNewName) {
    write("[Projects]\n1=A\n2=B\n");
    ASSERT_TRUE(window.createProject("X"));
    expectShows(defaultScheme);
    EXPECT_EQ(state.scheme, defaultScheme);
    EXPECT_EQ(window.windowTitle(), "Brisvane | X");
    EXPECT_EQ(state.currentProjectName, "X");
    EXPECT_FALSE(state.schemeModified);
    EXPECT_FALSE(saveOffered());
    EXPECT_EQ(projectStore(state, ui).listProjects().back().name, "X");
}

TEST_F(ProjectWindowTest, OpeningShowsTheStoredColours) {
    const ScrollbarScheme saved{
        {"#336633", "#99CC99", "#669966", "#224422", "#000000"}, "#CCDDCC", "#FFFFFF"};
    ASSERT_TRUE(projectStore(state, ui).saveProject(true, "Forest", saved).ok);
    window.txtHex(0)->setText("#1");
    window.openProject("Forest");
    expectShows(saved);
    EXPECT_EQ(window.windowTitle(), "Brisvane | Forest");
    EXPECT_EQ(state.currentProjectName, "Forest");
    EXPECT_FALSE(state.schemeModified);
    EXPECT_GE(ui.pumps, 1);
}

TEST_F(ProjectWindowTest, ADamagedColourGoesThroughTheFieldRules) {
    write(
        "[Projects]\n1=A\n[A]\n1=C0C0C0\n2=#FFFFFF\n3=#C0C0C0\n4=#808080\n6=#E0E0E0\n7=#000000\n");
    window.openProject("A");
    EXPECT_EQ(window.txtHex(0)->text(), "#C0C0C0"); // the "#" put in front
    EXPECT_EQ(window.txtHex(4)->text(), "#");       // "<not_set>"
    EXPECT_EQ(state.scheme.faceGroupColors[4], "#000000");
    EXPECT_EQ(ui.modals.size(), 6u); // one Hex Error window per bad character
    EXPECT_FALSE(state.schemeModified);
}

TEST_F(ProjectWindowTest, ACreateTheFileDidNotTakeLeavesTheWindowAsItWas) {
    state.projectIni =
        std::make_unique<clsINI>(folder, "brisvane", std::make_shared<FailingRename>());
    state.projects = std::make_unique<ProjectStore>(*state.projectIni, *state.clock, folder);
    EXPECT_FALSE(window.createProject("X"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, PlatformUi::Icon::Critical);
    EXPECT_TRUE(ui.messages[0].prompt.contains(QString::fromStdString(folder + "/data.ini")));
    EXPECT_TRUE(ui.messages[0].prompt.contains("Permission denied"));
    EXPECT_EQ(window.windowTitle(), "Brisvane");
    EXPECT_EQ(window.txtHex(0)->text(), "#808080");
    EXPECT_TRUE(state.currentProjectName.empty());
    EXPECT_FALSE(std::ifstream(folder + "/data.ini").peek() != EOF);
}

} // namespace
} // namespace brisvane
