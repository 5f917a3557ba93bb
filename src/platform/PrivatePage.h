#pragma once

#include "base/Outcome.h"

#include <string>
#include <string_view>

namespace brisvane {

// Writes a page for the desktop's browser to show into `folder`, which must be the user's own
// and no one else's to write in (made, mode 0700, when missing, with the folders above it),
// reached by links only along a way nobody else can change (CheckedPath). The page has a fresh
// name of its own and is written whole (AtomicFile): a link planted in the folder is never
// followed, and another user can plant none. What such writes left more than an hour ago is
// removed. Gives the page's path, or why there is none.
Result<std::string> writePrivatePage(const std::string& folder, std::string_view bytes);

} // namespace brisvane
