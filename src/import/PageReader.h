#pragma once

#include "import/CssColor.h"
#include "import/CssSelectors.h"
#include "import/ScrollbarColorReader.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The page reader's own parts, shared by the files it is made of: HtmlScan.cpp finds a page's
// style sheets and the style attributes of html and body; CssRules.cpp reads the rules and
// declarations of a sheet or an attribute; CssCascade.cpp decides each element's colours and
// says what was skipped; ScrollbarColorReader.cpp starts a read and says what it gives back.
namespace brisvane::reader {

// The seven roles' properties, then the base colour's, then the two states' backgrounds.
constexpr std::size_t baseIndex = colorRoleCount;
constexpr std::size_t stateIndex = baseIndex + 1;
constexpr std::size_t propertyCount = stateIndex + stateColorRoles.size();
constexpr std::string_view baseProperty = "scrollbar-base-color";

inline std::string_view propertyName(std::size_t index) {
    if (index >= stateIndex)
        return "background-color";
    return index == baseIndex ? baseProperty : cssPropertyName(allColorRoles[index]);
}

// The light colours, and those for dark mode.
enum Set { Light, Dark };

// Where a declaration stands in the cascade: a style sheet's normal ones lowest, then a style
// attribute's, then a sheet's !important ones, then an attribute's. Within a level the more
// specific selector wins, then the later declaration.
enum Level { SheetNormal, AttributeNormal, SheetImportant, AttributeImportant };
constexpr int rankOf(Level level, int specificity) {
    return level * 100 + specificity;
}

struct Declaration {
    std::string_view value; // in the cleaned text, as it is read
    std::size_t offset;     // of the value as written in the text
    std::size_t length;     // of the value as written
    int rank;               // rankOf its level and its selector's specificity
    bool server = false;    // the value holds server code
};

// The usable value that wins an element's cascade for one property, if any.
struct Winner {
    const Declaration* declaration = nullptr;
    CssColorReading reading;
};

// A colour body gives in standards mode: taken where html gives none, else overruled.
struct BodyColor {
    Set set;
    std::size_t role;               // the property it colours
    const Declaration* declaration; // body's value that gives it
    std::size_t property;           // that value's property: the role's, or the base
    bool taken;
};

// Does a block of CSS declare one of the eight scrollbar colour properties, in any rule?
bool declaresScrollbarColor(std::string_view css);

// A piece of the text to show within a line: blanks squeezed, control characters escaped, at
// most about 48 bytes, cut between characters.
std::string shortText(std::string_view text);

// "a", "a and b", "a, b and c".
std::string joined(const std::vector<std::string>& items);

// One read of a text, from its raw bytes to the colours of the page's own bar.
class PageReader {
public:
    explicit PageReader(std::string_view text) : m_text(text), m_clean(text) {}

    ScrollbarColors read();

private:
    // HtmlScan.cpp
    bool isPage() const;
    void blankServerCode();
    void readPage();

    // CssRules.cpp
    void blankComments(std::size_t begin, std::size_t end);
    void readSheet(std::size_t begin, std::size_t end);
    void readRules(std::size_t begin, std::size_t end);
    void readStateBackground(std::size_t begin, std::size_t end, std::size_t state, Reach reach,
                             Set set);
    void add(Set set, std::size_t property, Reach reach, Declaration d);
    void readDeclarations(std::size_t begin, std::size_t end, Reach reach, bool attribute,
                          Set set = Light);

    // CssCascade.cpp
    void placeElsewhere(std::size_t offset, std::string where);
    void skip(std::size_t property, const Declaration& d, std::string why,
              SkippedColor::Instead instead);
    void skipNested(std::string_view media);
    Winner winner(Set set, Element element, std::size_t p);
    void skipAll(Set set, Element element, std::size_t p, SkippedColor::Instead instead);
    void resolve(Set set);
    void noteBodyColors();
    ScrollbarColors resolve();

    // Makes text blank in the cleaned text, line breaks kept, so that offsets and line numbers
    // stay those of the text.
    void blank(std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            m_clean[i] = m_clean[i] == '\n' ? '\n' : ' ';
    }

    std::size_t offsetOf(std::string_view inClean) const {
        return static_cast<std::size_t>(inClean.data() - m_clean.data());
    }

    std::string_view m_text;
    // The text with its server code, and the comments of its style sheets and attributes,
    // made blank.
    std::string m_clean;
    std::size_t m_xmlDeclaration = std::string::npos; // where the first one starts
    std::string m_doctype;                            // as a note names it
    // By Set, then Element, then property.
    std::array<std::array<std::array<std::vector<Declaration>, propertyCount>, 2>, 2> m_found;
    std::vector<std::pair<std::size_t, SkippedColor>> m_skipped; // by the value's offset
    std::vector<BodyColor> m_fromBody;
    std::vector<std::pair<std::size_t, ColorsElsewhere>> m_elsewhere; // in the text's order
    ScrollbarColors m_colors;
};

} // namespace brisvane::reader
