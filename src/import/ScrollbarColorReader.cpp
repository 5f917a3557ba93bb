#include "import/ScrollbarColorReader.h"

#include "import/PageReader.h"
#include "text/Ascii.h"
#include "text/Utf16.h"

#include <algorithm>

namespace brisvane {

namespace reader {

std::string shortText(std::string_view text) {
    constexpr std::size_t most = 48;
    text = ascii::trimmed(text);
    std::string out;
    std::size_t i = 0;
    for (; i < text.size() && out.size() < most; ++i) {
        if (!ascii::isSpace(text[i]))
            out += text[i];
        else if (out.back() != ' ')
            out += ' ';
    }
    if (i < text.size()) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80)
                out.pop_back();
            if (!out.empty())
                out.pop_back();
        }
        out += "...";
    }
    return ascii::oneLine(out);
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return out;
}

ScrollbarColors PageReader::read() {
    blankServerCode();
    if (isPage())
        readPage();
    else
        readSheet(0, m_clean.size());
    return resolve();
}

} // namespace reader

ScrollbarColors readScrollbarColors(std::string_view text) {
    if (const auto utf8 = utf16ToUtf8(text))
        return reader::PageReader(*utf8).read();
    return reader::PageReader(text).read();
}

std::string describeSkipped(const SkippedColor& skipped, std::string_view nothing) {
    using Instead = SkippedColor::Instead;
    if (skipped.instead == Instead::Note)
        return ascii::oneLine(skipped.why);
    // A property's value follows its name and a colon, an at-rule's condition its name.
    const std::string_view colon = skipped.property.starts_with('@') ? "" : ":";
    std::string line = ascii::oneLine(skipped.property) + std::string(colon) + " '" +
                       ascii::oneLine(skipped.value) + "' " + skipped.why;
    if (skipped.instead == Instead::RulesSkipped)
        return line + "; its rules are skipped";
    // What stands in a value's place is said only where something is taken from the text.
    if (skipped.instead == Instead::Unread || nothing.empty())
        return line;
    if (skipped.instead == Instead::Opaque)
        return line + "; it is taken opaque";
    if (skipped.instead == Instead::FromBase)
        return line + "; the one derived from " + std::string(reader::baseProperty) + " is used";
    if (skipped.instead == Instead::FromHtml || skipped.instead == Instead::FromBody)
        return line + "; the one " + (skipped.instead == Instead::FromHtml ? "html" : "body") +
               " sets is used";
    if (skipped.property == reader::baseProperty)
        return line + "; nothing is derived from it";
    return line + "; " + std::string(nothing);
}

const std::optional<ColorValue>& ScrollbarColors::color(ColorRole role, bool dark) const {
    if (isStateRole(role))
        return (dark ? darkStates : states)[roleIndex(role) - colorRoleCount];
    return (dark ? darkColors : colors)[roleIndex(role)];
}

bool ScrollbarColors::givesDark() const {
    return std::any_of(everyColorRole.begin(), everyColorRole.end(),
                       [this](ColorRole role) { return color(role, true).has_value(); });
}

ScrollbarScheme ScrollbarColors::over(ScrollbarScheme base, bool dark) const {
    for (ColorRole role : everyColorRole) {
        if (const auto& given = color(role, dark))
            base.setColor(role, colorToHex(*given));
    }
    return base;
}

bool givesAnyColor(const ScrollbarColors& read) {
    return read.givesDark() ||
           std::any_of(everyColorRole.begin(), everyColorRole.end(),
                       [&read](ColorRole role) { return read.color(role, false).has_value(); });
}

std::string whyNothingIsTaken(const ScrollbarColors& read) {
    if (read.elsewhere.empty())
        return read.anySet ? "none of the scrollbar colors it sets can be used"
                           : "none of the seven scrollbar colors is set";
    std::vector<std::string> places;
    for (const ColorsElsewhere& place : read.elsewhere)
        places.push_back(place.where + " (line " + std::to_string(place.line) + ")");
    if (read.moreElsewhere > 0)
        places.push_back("in " + std::to_string(read.moreElsewhere) + " more place" +
                         (read.moreElsewhere == 1 ? "" : "s"));
    return (read.anySet ? "none of the scrollbar colors it sets for the page's own scrollbar can "
                          "be used; colors are also set "
                        : "none of the seven scrollbar colors is set for the page's own "
                          "scrollbar; colors are set ") +
           reader::joined(places);
}

} // namespace brisvane
