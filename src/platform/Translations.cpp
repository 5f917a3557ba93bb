#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brisvane {

namespace {

// Qt's own texts on the program's message boxes, name prompt and fields, kept in the program's
// translation too: without Qt's translations, a package of their own, a German question would
// otherwise stand over "Yes" and "No". Qt's translations, where installed, say the same.
[[maybe_unused]] constexpr const char* qtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),      QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),       QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),     QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

bool install(QTranslator* translator, bool loaded) {
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return loaded;
}

} // namespace

bool installTranslations(const QLocale& locale, QObject& owner) {
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty() || QLocale(languages.first()).language() != QLocale::German)
        return false;
    // The translator installed last is asked first: the program's own, over Qt's.
    auto* qt = new QTranslator(&owner);
    install(qt, qt->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    auto* program = new QTranslator(&owner);
    return install(program, program->load(QStringLiteral(":/i18n/brisvane_de.qm")));
}

} // namespace brisvane
