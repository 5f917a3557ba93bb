#include "text/UserCharacters.h"

#include <unicode/ubrk.h>
#include <unicode/utext.h>

#include <memory>

namespace brisvane {

namespace {

// No real character is this long; one that is (a letter under a million accents) is cut
// here, so that no paste costs more than this much work.
constexpr std::size_t longestCharacter = 256; // bytes

// ICU's character break iterator, made once for the thread: making one reads its rules.
UBreakIterator* characterBreaks() {
    struct Closer {
        void operator()(UBreakIterator* it) const { ubrk_close(it); }
    };
    thread_local const std::unique_ptr<UBreakIterator, Closer> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UBreakIterator* it = ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &status);
        return std::unique_ptr<UBreakIterator, Closer>(U_SUCCESS(status) ? it : nullptr);
    }();
    return iterator.get();
}

} // namespace

std::vector<std::string> firstUserCharacters(std::string_view utf8, int count) {
    std::vector<std::string> characters;
    if (count <= 0 || utf8.empty())
        return characters;
    // Enough for `count` characters of the longest kind; cut where a UTF-8 sequence starts.
    std::size_t look = std::min(utf8.size(), longestCharacter * static_cast<std::size_t>(count));
    while (look < utf8.size() && (static_cast<unsigned char>(utf8[look]) & 0xC0) == 0x80)
        --look;
    const std::string_view part = utf8.substr(0, look);
    UErrorCode status = U_ZERO_ERROR;
    UText* text = utext_openUTF8(nullptr, part.data(), static_cast<int64_t>(part.size()), &status);
    UBreakIterator* breaks = characterBreaks();
    if (breaks && U_SUCCESS(status))
        ubrk_setUText(breaks, text, &status);
    if (!breaks || U_FAILURE(status)) { // never so with ICU's data in place: then byte by byte
        utext_close(text);
        for (std::size_t i = 0; i < part.size() && static_cast<int>(i) < count; ++i)
            characters.emplace_back(1, part[i]);
        return characters;
    }
    for (std::size_t start = 0; static_cast<int>(characters.size()) < count;) {
        const int32_t end = ubrk_next(breaks);
        if (end == UBRK_DONE)
            break;
        characters.emplace_back(part.substr(start, static_cast<std::size_t>(end) - start));
        start = static_cast<std::size_t>(end);
    }
    utext_close(text);
    return characters;
}

} // namespace brisvane
