#include "scheme/ColorFieldText.h"
#include "scheme/Utf8.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

// One character per code point is enough here; the window splits real text into
// user-perceived characters before it comes to the rules.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    for (char32_t cp : decodeUtf8(text)) {
        const std::size_t n = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
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

} // namespace
} // namespace brisvane
