#include "import/BaseColor.h"
#include "import/PageReader.h"

#include <algorithm>
#include <iomanip>
#include <optional>
#include <sstream>

// How the reader decides the colours of the page's own bar: each of html and body by its own
// cascade, then the page's mode between them; and how it says what was not taken.
namespace brisvane::reader {

namespace {

// One element's colours for one set: the winners of its own cascade, and those its base
// gives.
struct Side {
    Winner base;
    std::optional<std::array<ColorValue, colorRoleCount>> derived;
    std::array<Winner, propertyCount> own;

    // Its colour for a property and the value that gives it: its own, else its base's.
    std::pair<std::optional<ColorValue>, const Winner*> colorOf(std::size_t p) const {
        if (own[p].declaration)
            return {own[p].reading.value, &own[p]};
        if (p < colorRoleCount && derived)
            return {(*derived)[p], &base};
        return {std::nullopt, nullptr};
    }
};

// How a note names a property of a set: "scrollbar-face-color", "the :hover background
// for dark mode".
std::string nameOf(std::size_t p, Set set) {
    const std::string name = p < stateIndex    ? std::string(propertyName(p))
                             : p == stateIndex ? "the :hover background"
                                               : "the :active background";
    return set == Dark ? name + " for dark mode" : name;
}

} // namespace

// A place where the text sets colours that do not reach the page's own bar; each place
// once, and past the first few only counted.
void PageReader::placeElsewhere(std::size_t offset, std::string where) {
    for (const auto& [at, place] : m_elsewhere) {
        if (place.where == where)
            return;
    }
    if (m_elsewhere.size() < maxPlacesElsewhere)
        m_elsewhere.emplace_back(offset, ColorsElsewhere{std::move(where), 0});
    else
        ++m_colors.moreElsewhere;
}

void PageReader::skip(std::size_t property, const Declaration& d, std::string why,
                      SkippedColor::Instead instead) {
    m_skipped.emplace_back(d.offset, SkippedColor{std::string(propertyName(property)),
                                                  std::string(m_text.substr(d.offset, d.length)), 0,
                                                  std::move(why), instead});
}

// An @media block too deep to be read; `media` is its query list, in the cleaned text.
void PageReader::skipNested(std::string_view media) {
    const auto offset = offsetOf(media);
    m_skipped.emplace_back(
        offset, SkippedColor{"@media", std::string(m_text.substr(offset, media.size())), 0,
                             "is nested deeper than " + std::to_string(maxMediaNesting) + " levels",
                             SkippedColor::Instead::RulesSkipped});
}

// The usable value that wins an element's cascade for one property, if any.
Winner PageReader::winner(Set set, Element element, std::size_t p) {
    Winner won;
    for (const Declaration& d : m_found[set][element][p]) {
        m_colors.anySet = true;
        const CssColorReading reading = readCssColor(d.value);
        if (reading.kind == CssColorReading::Kind::Color &&
            (!won.declaration || d.rank >= won.declaration->rank))
            won = {&d, reading};
    }
    return won;
}

// Says each value an element sets for a property, none of them usable, and what stands in
// their place.
void PageReader::skipAll(Set set, Element element, std::size_t p, SkippedColor::Instead instead) {
    for (const Declaration& d : m_found[set][element][p]) {
        skip(p, d,
             d.server ? "is written by the server when the page is served"
             : readCssColor(d.value).kind == CssColorReading::Kind::Unconverted
                 ? "is a color this program does not convert"
                 : "is not a color",
             instead);
    }
}

// The page's bar takes, role by role, the first element's colour, else the second's: body
// then html in quirks mode and in a style sheet alone, html then body in standards mode.
// Only the values that could have decided a colour are said when they are not usable.
void PageReader::resolve(Set set) {
    const Element first = m_colors.mode == PageMode::Standards ? Html : Body;
    const Element second = first == Html ? Body : Html;
    std::array<Side, 2> sides;
    for (const Element element : {Html, Body}) {
        Side& side = sides[element];
        side.base = winner(set, element, baseIndex);
        if (side.base.declaration)
            side.derived = deriveFromBaseColor(side.base.reading.value);
        for (std::size_t p = 0; p < propertyCount; ++p) {
            if (p != baseIndex)
                side.own[p] = winner(set, element, p);
        }
    }
    using Instead = SkippedColor::Instead;
    auto& colors = set == Light ? m_colors.colors : m_colors.darkColors;
    auto& states = set == Light ? m_colors.states : m_colors.darkStates;
    bool secondAsked = false;
    for (std::size_t p = 0; p < propertyCount; ++p) {
        if (p == baseIndex)
            continue;
        const auto [mine, myWinner] = sides[first].colorOf(p);
        const auto [theirs, theirWinner] = sides[second].colorOf(p);
        (p < colorRoleCount ? colors[p] : states[p - stateIndex]) = mine ? mine : theirs;
        if (!sides[first].own[p].declaration)
            skipAll(set, first, p,
                    myWinner ? Instead::FromBase
                    : theirs ? (second == Html ? Instead::FromHtml : Instead::FromBody)
                             : Instead::Nothing);
        if (!mine) {
            secondAsked = true;
            if (!sides[second].own[p].declaration)
                skipAll(set, second, p, theirWinner ? Instead::FromBase : Instead::Nothing);
        }
        const Winner* used = mine ? myWinner : theirWinner;
        const auto propertyOf = [&](const Winner* w, Element e) {
            return w == &sides[e].base ? baseIndex : p;
        };
        if (used && used->reading.alpha < 1) {
            std::ostringstream alpha;
            alpha << std::setprecision(2) << used->reading.alpha;
            skip(propertyOf(used, mine ? first : second), *used->declaration,
                 "has an alpha of " + alpha.str(), Instead::Opaque);
        }
        if (m_colors.mode == PageMode::Standards && theirs && (!mine || *mine != *theirs))
            m_fromBody.push_back(
                {set, p, theirWinner->declaration, propertyOf(theirWinner, second), !mine});
    }
    if (!sides[first].base.declaration)
        skipAll(set, first, baseIndex, Instead::Nothing);
    if (secondAsked && !sides[second].base.declaration)
        skipAll(set, second, baseIndex, Instead::Nothing);
}

// One line for what body sets in standards mode: Internet Explorer 6 and later showed
// html's colours alone there, yet 5.5 showed body's, and a page whose body alone sets a
// colour was most likely made for that.
void PageReader::noteBodyColors() {
    if (m_fromBody.empty())
        return;
    std::vector<const BodyColor*> values; // each of body's values once, in the text's order
    std::vector<std::string> overruled;
    bool anyTaken = false;
    for (const BodyColor& c : m_fromBody) {
        if (std::none_of(values.begin(), values.end(),
                         [&](const BodyColor* v) { return v->declaration == c.declaration; }))
            values.push_back(&c);
        if (!c.taken)
            overruled.push_back(nameOf(c.role, c.set));
        anyTaken = anyTaken || c.taken;
    }
    std::sort(values.begin(), values.end(), [](const BodyColor* a, const BodyColor* b) {
        return a->declaration->offset < b->declaration->offset;
    });
    std::vector<std::string> named;
    for (const BodyColor* v : values)
        named.push_back(nameOf(v->property, Light) + " '" +
                        shortText(m_text.substr(v->declaration->offset, v->declaration->length)) +
                        "'" + (v->set == Dark ? " for dark mode" : ""));
    std::string said =
        "body sets " + joined(named) +
        ", which Internet Explorer 6 and later did not show on this page: " + m_doctype +
        " puts it in standards mode, where the page's own scrollbar takes html's colors; ";
    if (overruled.empty())
        said += values.size() == 1 ? "it is taken as Internet Explorer 5.5 showed it"
                                   : "they are taken as Internet Explorer 5.5 showed them";
    else
        said += "html's own " + joined(overruled) + (overruled.size() == 1 ? " is" : " are") +
                (anyTaken ? " used, the rest as Internet Explorer 5.5 showed it" : " used instead");
    m_skipped.emplace_back(values.front()->declaration->offset,
                           SkippedColor{"body", "", 0, said, SkippedColor::Instead::Note});
}

ScrollbarColors PageReader::resolve() {
    resolve(Light);
    resolve(Dark);
    noteBodyColors();
    // In the order of the text, which lets the lines be counted in one pass however many
    // there are; a value that html and body share (a rule for *) is said once.
    std::stable_sort(m_skipped.begin(), m_skipped.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::size_t counted = 0;
    int line = 1;
    const auto lineAt = [&](std::size_t offset) {
        line += static_cast<int>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(counted),
                                            m_text.begin() + static_cast<std::ptrdiff_t>(offset),
                                            '\n'));
        counted = offset;
        return line;
    };
    std::size_t run = 0; // where the values at this offset start
    for (std::size_t i = 0; i < m_skipped.size(); ++i) {
        const std::size_t offset = m_skipped[i].first;
        const std::string& property = m_skipped[i].second.property;
        if (offset != m_skipped[run].first)
            run = i;
        if (std::any_of(m_skipped.begin() + static_cast<std::ptrdiff_t>(run),
                        m_skipped.begin() + static_cast<std::ptrdiff_t>(i),
                        [&](const auto& s) { return s.second.property == property; }))
            continue;
        m_skipped[i].second.line = lineAt(offset);
        m_colors.skipped.push_back(m_skipped[i].second);
    }
    std::sort(m_elsewhere.begin(), m_elsewhere.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    counted = 0;
    line = 1;
    for (auto& [offset, place] : m_elsewhere) {
        place.line = lineAt(offset);
        m_colors.elsewhere.push_back(std::move(place));
    }
    return std::move(m_colors);
}

} // namespace brisvane::reader
