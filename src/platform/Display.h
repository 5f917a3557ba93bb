#pragma once

namespace brisvane {

// Is there a desktop to draw on? Without one the toolkit would abort with a long trace, so
// the program asks first and says in one line what is wrong. A display on another host, or
// a platform named in the environment, counts as there: the toolkit then tries.
bool hasDisplay();

} // namespace brisvane
