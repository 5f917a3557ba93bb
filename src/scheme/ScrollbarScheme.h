#pragma once

#include "scheme/ColorRole.h"

#include <array>
#include <string>

namespace brisvane {

// The colours of one scrollbar as the user gave them: one colour text per role, normally
// "#" and six upper-case hexadecimal digits. The record keeps what it is given and checks
// nothing; the colour fields bring typed text into shape before it gets here.
struct ScrollbarScheme {
    std::array<std::string, faceGroupCount> faceGroupColors;
    std::string trackColor;
    std::string arrowColor;

    const std::string& color(ColorRole role) const;
    void setColor(ColorRole role, std::string text);

    bool operator==(const ScrollbarScheme&) const = default;
};

// What a new project is written with and what reset restores.
extern const ScrollbarScheme defaultScheme;
// What the main window holds from start-up until a project is created or opened.
extern const ScrollbarScheme startScheme;

} // namespace brisvane
