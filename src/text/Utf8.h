#pragma once

#include <string>
#include <string_view>

namespace brisvane {

// Splits UTF-8 text into code points. A byte that does not start a well-formed sequence
// stands for itself (as U+DC00 + byte, so U+DC80 to U+DCFF), so nothing is lost and nothing throws.
std::u32string decodeUtf8(std::string_view text);

// Whether the text is well-formed UTF-8 throughout.
bool isUtf8(std::string_view text);

} // namespace brisvane
