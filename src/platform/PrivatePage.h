#pragma once

#include "base/Outcome.h"

#include <string>
#include <string_view>

namespace brisvane {

// Writes a page for the desktop's browser to show into `folder`, which must be the user's own
// and no one else's to write in (made, mode 0700, when missing, with the folders above it),
// under a fresh name of its own, made here and nowhere else: a link planted in the folder is
// never followed, and another user can plant none. Pages such a write left more than an hour ago
// are removed. Gives the page's path, or why there is none.
Result<std::string> writePrivatePage(const std::string& folder, std::string_view bytes);

} // namespace brisvane
