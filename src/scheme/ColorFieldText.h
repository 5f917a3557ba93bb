#pragma once

#include "scheme/ColorRole.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisvane {

// What becomes of a colour field's text after an edit.
struct ColorFieldOutcome {
    // "#" and at most six upper-case hexadecimal digits.
    std::string fieldText;
    // The field's text completed with "0" to seven characters: what the scheme keeps.
    std::string storedText;
    // One "Hex Error" window for each character removed as not hexadecimal.
    int errorWindows = 0;
    // Where the digit check last found a character it refused, if it found one.
    std::optional<std::int16_t> invalidCharPos;
};

// The field rules: the text is upper-cased; cut to its first seven characters; given a "#" in
// front if it lacks one (and cut to seven again); a second "#" clears it to "#"; every other
// character that is not a hexadecimal digit is removed, each with its error window.
//
// `characters` are the text's first user-perceived characters, each as UTF-8 (an emoji or a
// letter with its accents is one). Only the first seven can matter, so callers need not
// split more of a long text than that.
ColorFieldOutcome processColorFieldText(const std::vector<std::string>& characters);

// How many user-perceived characters the processing looks at.
inline constexpr int colorFieldCharacters = 7;

// The rules as a role's field runs them: an empty hover or pressed field stays empty, which
// leaves the state unset, where the rules would make it "#".
ColorFieldOutcome processColorFieldText(const std::vector<std::string>& characters, ColorRole role);
// How many "0"s leaving a role's field with `characters` user-perceived characters puts at its
// end: it is completed to seven characters, but for an empty state field, a state left unset.
std::size_t zerosOnLeaving(std::size_t characters, ColorRole role);

// The colour text that a colour field leaves in the scheme when it is given `text`, as
// opening a project gives it a stored one: the field rules run until the field's text holds
// still; an empty state stays unset. The command line and the window both ask this.
std::string colorTextAfterFieldRules(const std::string& text, ColorRole role);

} // namespace brisvane
