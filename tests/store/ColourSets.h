#pragma once

#include "scheme/ScrollbarScheme.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace brisvane::test {

// The two colour sets of a project (variant 0: old, 1: new), made from its name, so that
// the saving program and the test that kills it agree on what either may leave behind.
inline ScrollbarScheme colourSet(const std::string& name, int variant) {
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : name)
        hash = (hash ^ c) * 16777619u;
    ScrollbarScheme scheme;
    for (std::size_t i = 0; i < allColorRoles.size(); ++i) {
        const std::uint32_t rgb = (hash + 0x10203u * static_cast<std::uint32_t>(i) +
                                   0x800000u * static_cast<std::uint32_t>(variant)) &
                                  0xFFFFFFu;
        char text[8];
        std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb));
        scheme.setColor(allColorRoles[i], text);
    }
    return scheme;
}

} // namespace brisvane::test
