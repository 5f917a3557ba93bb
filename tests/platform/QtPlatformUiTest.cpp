#include "platform/QtPlatformUi.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(QtPlatformUi, AMessageShowsItsTextAsPlainTextOnLinesOfItsOwn) {
    QtPlatformUi ui({});
    QString shown;
    QTimer::singleShot(0, [&] { // once the box is up; accepting it ends its loop
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown = box->textFormat() == Qt::PlainText ? box->text() : "rich text";
        box->accept();
    });
    ui.showMessage("<b>Bold</b>, has been Saved.\r\nNext", PlatformUi::Buttons::Ok,
                   PlatformUi::Icon::Information);
    EXPECT_EQ(shown, "<b>Bold</b>, has been Saved.\nNext");
}

} // namespace
} // namespace brisvane
