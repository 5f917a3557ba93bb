#pragma once

#include <QCoreApplication>

#include <string>
#include <string_view>

namespace brisvane {

// A text of the colour table (a row label, a tooltip, a chooser's title, a spoken name) in the
// user's language: the table marks them for the translators under "ColorRole".
inline QString roleText(std::string_view text) {
    return QCoreApplication::translate("ColorRole", std::string(text).c_str());
}

} // namespace brisvane
