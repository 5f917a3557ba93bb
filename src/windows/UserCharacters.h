#pragma once

#include <QString>
#include <string>
#include <vector>

namespace brisvane {

// The first `count` user-perceived characters of a text (an emoji, or a letter with its
// accents, is one), each as UTF-8. Only as much of the text is looked at as they need, so a
// megabyte costs no more than a word.
std::vector<std::string> firstUserCharacters(const QString& text, int count);

// The text cut after its first `count` user-perceived characters.
QString leadingUserCharacters(const QString& text, int count);

// The colour text that a colour field leaves in the scheme when it is given `text`, as
// opening a project gives it a stored one: the field rules run until the field's text holds
// still.
std::string colorTextAfterFieldRules(const std::string& text);

} // namespace brisvane
