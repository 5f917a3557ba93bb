#pragma once

#include "store/ProjectStore.h"

#include <string>

namespace brisvane {

class PlatformUi;

// Tells the user why a new project cannot take a name (for any check result but Free and
// Empty, which the callers word themselves). A listed name, in any letter case, gets the
// taken-name message.
void showNameRefused(PlatformUi& ui, const std::string& name, NameCheck check);

} // namespace brisvane
