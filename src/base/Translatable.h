#pragma once

// Marks a text of the core's tables that the windows show, so that Qt's lupdate finds it by
// the macro's name and puts it before the translators; a window translates it with
// QCoreApplication::translate(scope, text). The core has no Qt: to it the mark is the text.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
