#pragma once

#include <QFont>

namespace brisvane {

// Verdana at 8.25 points, the program's text face; where Verdana is missing the desktop's
// sans-serif face stands in.
inline QFont programFont(bool bold = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

} // namespace brisvane
