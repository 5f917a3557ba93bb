#include "scheme/ColorFieldText.h"
#include "text/UserCharacters.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

std::vector<std::string> characters(const std::string& text) {
    return firstUserCharacters(text, 100);
}

TEST(UserCharacters, AnEmojiOrALetterWithItsAccentsIsOneAndOnlyTheStartIsRead) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"#A1", {"#", "A", "1"}},
        {"e\u0301x", {"e\u0301", "x"}},                           // a letter and its accent
        {"\U0001F44D\U0001F3FD!", {"\U0001F44D\U0001F3FD", "!"}}, // a skin tone
        {"\U0001F468\u200D\U0001F467#", {"\U0001F468\u200D\U0001F467", "#"}}, // joined
        {"\U0001F1EB\U0001F1F7", {"\U0001F1EB\U0001F1F7"}},                   // a flag
        {"\xFF#", {"\xFF", "#"}},                                             // no UTF-8
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(firstUserCharacters(text, 7), expected) << text;
    std::string heavy = "a";
    for (int i = 0; i < 500000; ++i)
        heavy += "\u0301";
    const auto first = firstUserCharacters(heavy + "#", 7);
    EXPECT_LE(first.size(), 7u);
    EXPECT_LE(first.front().size(), 256u * 7); // cut, not read whole
    EXPECT_EQ(colorTextAfterFieldRules("c0c\U0001F468\u200D\U0001F467", ColorRole::Face),
              "#C0C000");
}

TEST(ColorFieldText, EditsEndInTheProcessedForm) {
    struct Case {
        const char* what;
        std::string edited; // the field's text right after the user's edit
        const char* field;
        const char* stored;
        int errorWindows;
        int invalidPos; // -1: the check found nothing
    };
    const Case cases[] = {
        {"a typed after #80808", "#80808a", "#80808A", "#80808A", 0, -1},
        {"F over the whole text", "F", "#F", "#F00000", 0, -1},
        {"G at the end of a short text", "#80808G", "#80808", "#808080", 1, 6},
        {"G past the seventh character", "#808080G", "#808080", "#808080", 0, -1},
        {"G inside a full text", "#8G08080", "#80808", "#808080", 1, 2},
        {"zz pasted over everything", "zz", "#", "#000000", 2, 1},
        {"second hash", "#12#45", "#", "#000000", 0, -1},
        {"hash put in front, then cut", "1234567890", "#123456", "#123456", 0, -1},
        {"six digits get their hash", "c0c0c0", "#C0C0C0", "#C0C0C0", 0, -1},
        {"emoji", "#12\U0001F6003", "#123", "#123000", 1, 3},
        {"a damaged project colour", "<not_set>", "#", "#000000", 6, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ColorFieldOutcome outcome = processColorFieldText(characters(c.edited));
        EXPECT_EQ(outcome.fieldText, c.field);
        EXPECT_EQ(outcome.storedText, c.stored);
        EXPECT_EQ(outcome.errorWindows, c.errorWindows);
        EXPECT_EQ(outcome.invalidCharPos.value_or(-1), c.invalidPos);
    }
}

TEST(ColorFieldText, AnEmptyStateFieldLeavesItUnsetAndLeavingAFieldCompletesIt) {
    // The text left in a role's field, what the scheme keeps, and the "0"s leaving it adds.
    const std::tuple<std::string, ColorRole, const char*, std::size_t> cases[] = {
        {"", ColorRole::Hover, "", 0},
        {"", ColorRole::Face, "#000000", 7},
        {"#", ColorRole::Pressed, "#000000", 6},
        {"#12345", ColorRole::Track, "#123450", 1},
        {"#123456", ColorRole::Hover, "#123456", 0}};
    for (const auto& [text, role, stored, zeros] : cases) {
        EXPECT_EQ(processColorFieldText(characters(text), role).storedText, stored) << text;
        EXPECT_EQ(zerosOnLeaving(characters(text).size(), role), zeros) << text;
    }
}

} // namespace
} // namespace brisvane
