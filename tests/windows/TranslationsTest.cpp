#include "platform/Translations.h"
#include "windows/frmHexErr.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

// The windows speak German to a German locale, and English again once the translators' owner
// is gone; the message boxes' buttons come along without Qt's own translations.
TEST(Translations, AGermanLocaleGetsGermanWindowsUntilItsTranslatorsGo) {
    {
        QObject owner;
        ASSERT_TRUE(installTranslations(QLocale(QLocale::German, QLocale::Austria), owner));
        EXPECT_EQ(frmHexErr().windowTitle(), "Hex-Fehler");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    }
    EXPECT_EQ(frmHexErr().windowTitle(), "Hex Error");
    QObject owner;
    EXPECT_FALSE(installTranslations(QLocale(QLocale::French), owner));
}

} // namespace
} // namespace brisvane
