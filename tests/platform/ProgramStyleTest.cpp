#include "platform/ProgramStyle.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(ProgramStyleTest, ExtensionIconsMadeWhenDrawnAreTheDesktopStyles) {
    ProgramStyle style;
    for (QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon icon = style.standardIcon(which);
        const QIcon desktops = style.baseStyle()->standardIcon(which);
        EXPECT_FALSE(icon.isNull());
        EXPECT_EQ(icon.pixmap(16).toImage(), desktops.pixmap(16).toImage()) << which;
    }
}

} // namespace
} // namespace brisvane
