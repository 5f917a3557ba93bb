#pragma once

#include "scheme/ColorRole.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brisvane {

// The colours of one scrollbar as the user gave them: one colour text per role, normally
// "#" and six upper-case hexadecimal digits. The record keeps what it is given and checks
// nothing; the colour fields bring typed text into shape before it gets here. The hover and
// pressed faces are empty while unset.
struct ScrollbarScheme {
    std::array<std::string, faceGroupCount> faceGroupColors;
    std::string trackColor;
    std::string arrowColor;
    std::string hoverColor = {};
    std::string pressedColor = {};

    const std::string& color(ColorRole role) const;
    void setColor(ColorRole role, std::string text);
    // The colour the thumb and the arrow buttons take in a state: the state's own, or the
    // face where it is unset.
    const std::string& faceWhile(ColorRole state) const;
    // The roles whose text is no colour, "#" and six hexadecimal digits, as a damaged project
    // file gives them; an unset state is not one of them.
    std::vector<ColorRole> rolesHoldingNoColor() const;

    bool operator==(const ScrollbarScheme&) const = default;
};

// A project's colours: the scrollbar's, and a second set for dark mode when it has one.
struct ProjectColors {
    // A scrollbar's colours alone make a project's without a dark set.
    ProjectColors(ScrollbarScheme lightIn = {}, std::optional<ScrollbarScheme> darkIn = {})
        : light(std::move(lightIn)), dark(std::move(darkIn)) {}

    ScrollbarScheme light;
    std::optional<ScrollbarScheme> dark;

    bool operator==(const ProjectColors&) const = default;
};

// What a new project is written with and what reset restores.
extern const ScrollbarScheme defaultScheme;
// What a new dark set starts from.
extern const ScrollbarScheme darkDefaultScheme;
// What the main window holds from start-up until a project is created or opened.
extern const ScrollbarScheme startScheme;

} // namespace brisvane
