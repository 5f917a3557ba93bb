#pragma once

class QLocale;
class QObject;

namespace brisvane {

// Shows the windows' texts in the language of the given locale's messages where the program
// has a translation of them (German, carried in the program), with Qt's own texts in it too
// when the system has Qt's translations. The translators are children of owner and leave the
// application with it. Any other language costs one comparison: it is the program's own,
// English. Returns whether a translation was installed.
bool installTranslations(const QLocale& locale, QObject& owner);

} // namespace brisvane
