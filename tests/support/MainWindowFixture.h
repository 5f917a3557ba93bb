#pragma once

#include "support/ScriptedPlatformUi.h"
#include "windows/AppState.h"
#include "windows/ColorField.h"
#include "windows/ColorPicture.h"
#include "windows/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace brisvane::test {

// The main window, shown offscreen over a scripted PlatformUi whose program folder is the
// build folder, where the sample picture and the help pages lie. When it goes, no window of
// the program may be left open.
struct MainWindow {
    MainWindow() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~MainWindow() {
        state.schemeModified = false; // no close prompt
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
            const std::string line = std::string(cssPropertyName(role)) + ":" + text + ";";
            EXPECT_TRUE(window.txtHTML().contains(QString::fromStdString(line)));
        }
    }
    bool saveOffered() {
        emit window.mnuFile()->aboutToShow();
        return window.mnuFileSave()->isEnabled();
    }
    void moveOver(QWidget* widget) { QTest::mouseMove(widget, widget->rect().center()); }

    AppState state;
    ScriptedPlatformUi ui{QCoreApplication::applicationDirPath()};
    frmMain window{state, ui};
};

struct MainWindowTest : ::testing::Test, MainWindow {};

} // namespace brisvane::test
