#include "platform/QtPlatformUi.h"
#include "platform/System.h"
#include "support/CoreTestSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace brisvane {
namespace {

TEST(QtPlatformUi, AMessageShowsItsTextAsPlainTextOnLinesOfItsOwn) {
    QtPlatformUi ui({});
    QString shown;
    QTimer::singleShot(0, [&] { // once the box is up; accepting it ends its loop
        // Found among the windows, so that a box that is not active fails the test rather
        // than a null pointer crashing it.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                shown = box->textFormat() == Qt::PlainText ? box->text() : "rich text";
                box->accept();
            }
        }
    });
    ui.showMessage("<b>Bold</b>, has been Saved.\r\nNext", PlatformUi::Buttons::Ok,
                   PlatformUi::Icon::Information);
    EXPECT_EQ(shown, "<b>Bold</b>, has been Saved.\nNext");
}

TEST(System, TheUsersDataFolderIsMadeTheirsAloneAndAnotherUsersIsRefused) {
    const test::TempFolder dir;
    const std::string open = dir.path + "/open", other = dir.path + "/other";
    ASSERT_EQ(::mkdir(open.c_str(), 0700) | ::mkdir(other.c_str(), 0700), 0);
    for (const mode_t mode : {0777, 0770}) { // open to all, or to its group
        ASSERT_EQ(::chmod(open.c_str(), mode), 0);
        EXPECT_EQ(*makePrivateFolder(open, false), ""); // beside the program: as it is
        EXPECT_NE(makePrivateFolder(open, true)->find("it is now yours alone"), std::string::npos);
        EXPECT_EQ(std::filesystem::status(open).permissions(), std::filesystem::perms::owner_all);
    }
    if (::geteuid() != 0 || ::chown(other.c_str(), 4321, 4321) != 0)
        GTEST_SKIP() << "giving the folder to another user needs root";
    EXPECT_EQ(makePrivateFolder(other, true).why(), "it belongs to another user");
}

} // namespace
} // namespace brisvane
