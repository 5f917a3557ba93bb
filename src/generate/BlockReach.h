#pragma once

#include "base/Outcome.h"

#include <string>
#include <string_view>

namespace brisvane {

// Which scroll boxes of a page a style block colours: every one (the page's own and every box
// inside it), the page's own only, or the boxes an author's selector list names.
class BlockReach {
public:
    enum class Kind { EveryBox, Page, Selector };

    // Every scroll box, as the blocks have always done.
    BlockReach() = default;
    static BlockReach page() { return BlockReach(Kind::Page, {}); }

    // The boxes an author's selector list (".sidebar, textarea") names. A list that is empty,
    // too long, or could leave its place in a rule (a brace, a semicolon, "<", a comment, an
    // at-rule, an unclosed string or bracket, a line break, an escape spelling one of those)
    // gives no reach but the reason, one line that starts with "the selector list".
    static Result<BlockReach> matching(std::string_view selectors);

    Kind kind() const { return m_kind; }
    // The selector list, trimmed; empty but for Kind::Selector.
    const std::string& selectors() const { return m_selectors; }

private:
    BlockReach(Kind kind, std::string selectors)
        : m_kind(kind), m_selectors(std::move(selectors)) {}

    Kind m_kind = Kind::EveryBox;
    std::string m_selectors;
};

// The longest selector list taken: each appears some fifteen times in the block.
inline constexpr std::size_t maxSelectorListBytes = 512;

} // namespace brisvane
