#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisvane {

// The first `count` user-perceived characters of UTF-8 text (an emoji, or a letter with its
// accents, is one: Unicode's extended grapheme clusters), each as the bytes it takes. Only as
// much of the text is looked at as they need, so a megabyte costs no more than a word; a
// character longer than any real one is cut and counts as one. Bytes that are no UTF-8 count
// as characters of their own.
std::vector<std::string> firstUserCharacters(std::string_view utf8, int count);

} // namespace brisvane
