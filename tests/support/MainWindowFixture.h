#pragma once

#include "support/ScriptedPlatformUi.h"
#include "windows/AppState.h"
#include "windows/ColorPicture.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace brisvane::test {

// The main window, shown offscreen over a scripted PlatformUi whose program folder is the
// build folder, where the sample picture and the help pages lie.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override {
        window.close();
        // Closed windows that delete themselves go now, so no test sees another's.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
    }

    std::vector<ColorPicture*> allPictureParts() const {
        std::vector<ColorPicture*> parts;
        for (ColorRole role : allColorRoles) {
            const auto p = window.roleParts(role);
            parts.insert(parts.end(), p.begin(), p.end());
        }
        return parts;
    }

    void moveOver(QWidget* widget) { QTest::mouseMove(widget, widget->rect().center()); }

    AppState state;
    ScriptedPlatformUi ui{QCoreApplication::applicationDirPath()};
    frmMain window{state, ui};
};

} // namespace brisvane::test
