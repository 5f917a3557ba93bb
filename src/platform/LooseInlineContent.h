#pragma once

#include <string>
#include <string_view>

namespace brisvane {

// Browsers put text or a picture that follows a closed paragraph into a block of its own.
// Qt's HTML reader instead runs it on into the paragraph before, so that a picture after
// "</P>" sits on that paragraph's last line and drags its text down. This wraps each such run
// (from just after "</p>" to the next block tag) in a <div>, which reads the same in a
// browser. Everything else is left as it is.
std::string wrapLooseInlineContent(std::string_view html);

} // namespace brisvane
