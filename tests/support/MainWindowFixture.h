#pragma once

#include "app/Session.h"
#include "store/ProjectStore.h"
#include "support/CoreTestSupport.h"
#include "support/ScriptedPlatformUi.h"
#include "windows/AppState.h"
#include "windows/ColorField.h"
#include "windows/ColorPicture.h"
#include "windows/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace brisvane::test {

// A window's part by the name the program gives it ("txtHex0"); a missing one fails the test.
template <class T = QWidget> T* child(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    EXPECT_TRUE(found) << "no " << name.toStdString();
    return found;
}

// The main window over a scripted PlatformUi whose program folder (the build's, or a test's) has
// the help pages; data.ini is in a folder of its own. When it goes, no window may stay open.
struct MainWindow {
    explicit MainWindow(FailingFileSystem::Call failing = FailingFileSystem::Call::None,
                        std::string folder = QCoreApplication::applicationDirPath().toStdString())
        : ui(std::move(folder)),
          session(ui, dir.path, {}, std::make_shared<FailingFileSystem>(failing, EROFS), &clock) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~MainWindow() {
        state.setSchemeModified(false); // no close prompt
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
    }

    // Each role's field, swatch, parts of the enlarged picture and line on the preview page.
    void expectShows(const ScrollbarScheme& scheme) const {
        for (ColorRole role : allColorRoles) {
            const std::string& text = scheme.color(role);
            SCOPED_TRACE(cssPropertyName(role));
            EXPECT_EQ(window.colorField(role)->text().toStdString(), text);
            for (ColorPicture* part : window.roleParts(role))
                EXPECT_EQ(part->backColor(), hexToColor(text));
            EXPECT_TRUE(previewHas(std::string(cssPropertyName(role)) + ":" + text + ";"));
        }
    }
    template <class T = QWidget> T* find(const char* name) const { return child<T>(window, name); }
    bool previewHas(const std::string& text) const {
        return window.txtHTML().contains(QString::fromStdString(text));
    }
    bool saveOffered() { return find<QAction>("mnuFileSave")->isEnabled(); }
    void save() { find<QAction>("mnuFileSave")->trigger(); } // only while it is offered
    std::vector<std::string> listed() {
        std::vector<std::string> names;
        for (const ProjectRow& row : store.listProjects())
            names.push_back(row.name);
        return names;
    }
    void moveOver(QWidget* widget) { QTest::mouseMove(widget, widget->rect().center()); }

    TempFolder dir;
    FixedClock clock;
    ScriptedPlatformUi ui;
    Session session;
    AppState& state = session.state;
    clsINI& ini = session.projectIni;
    ProjectStore& store = session.store;
    frmMain& window = session.mainWindow;
};

struct MainWindowTest : ::testing::Test, MainWindow {};

using Texts = std::vector<QString>;
using Modals = std::vector<ScriptedPlatformUi::Modal>;

} // namespace brisvane::test

namespace brisvane { // the words every window test uses
using test::child;
using test::MainWindowTest;
using test::Texts;
} // namespace brisvane
