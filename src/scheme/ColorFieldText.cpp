#include "scheme/ColorFieldText.h"

#include "scheme/HexColor.h"
#include "text/Ascii.h"
#include "text/UserCharacters.h"

#include <algorithm>

namespace brisvane {

ColorFieldOutcome processColorFieldText(const std::vector<std::string>& characters) {
    const std::size_t limit = colorFieldCharacters;
    std::vector<std::string> text;
    text.reserve(limit + 1);
    for (std::size_t i = 0; i < characters.size() && i < limit; ++i) {
        std::string& c = text.emplace_back(characters[i]);
        std::transform(c.begin(), c.end(), c.begin(), ascii::upper);
    }
    if (text.empty() || text.front() != "#") {
        text.insert(text.begin(), "#");
        if (text.size() > limit)
            text.pop_back();
    }

    ColorFieldOutcome outcome;
    if (std::find(text.begin() + 1, text.end(), "#") != text.end()) {
        outcome.fieldText = "#";
    } else {
        // Each bad character is found and removed in turn from the left, so the last one is
        // found where the good characters before it end.
        std::int16_t kept = 0, refused = 0;
        for (const std::string& c : text) {
            if (isHexText(c, refused)) {
                outcome.fieldText += c;
                ++kept;
            } else {
                ++outcome.errorWindows;
                outcome.invalidCharPos = kept;
            }
        }
    }
    outcome.storedText = outcome.fieldText;
    outcome.storedText.append(limit - outcome.fieldText.size(), '0');
    return outcome;
}

ColorFieldOutcome processColorFieldText(const std::vector<std::string>& characters,
                                        ColorRole role) {
    if (isStateRole(role) && characters.empty())
        return {};
    return processColorFieldText(characters);
}

std::size_t zerosOnLeaving(std::size_t characters, ColorRole role) {
    const std::size_t full = colorFieldCharacters;
    if (characters >= full || (characters == 0 && isStateRole(role)))
        return 0;
    return full - characters;
}

std::string colorTextAfterFieldRules(const std::string& text, ColorRole role) {
    std::string field = text;
    while (true) {
        const ColorFieldOutcome outcome =
            processColorFieldText(firstUserCharacters(field, colorFieldCharacters), role);
        if (outcome.fieldText == field)
            return outcome.storedText;
        field = outcome.fieldText;
    }
}

} // namespace brisvane
