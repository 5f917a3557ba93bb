#pragma once

#include <QString>
#include <string>
#include <vector>

namespace brisvane {

// The core's user-perceived characters (text/UserCharacters.h) for a field's text: the
// first `count` of them, each as UTF-8, as the field rules take them.
std::vector<std::string> firstUserCharacters(const QString& text, int count);

// The text cut after its first `count` user-perceived characters.
QString leadingUserCharacters(const QString& text, int count);

} // namespace brisvane
