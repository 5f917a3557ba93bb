#include "windows/UserCharacters.h"

#include "scheme/ColorFieldText.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace brisvane {

namespace {

// No real character is this long; one that is (a letter under a million accents) is cut
// here and counts as one, so that no paste costs more than this much work.
constexpr qsizetype longestCharacter = 64;

// Where each of the first `count` characters ends.
std::vector<qsizetype> characterEnds(const QString& text, int count) {
    const qsizetype most = longestCharacter * count;
    qsizetype window = 32;
    while (true) {
        const bool whole = window >= text.size();
        const QString part = whole ? text : text.left(window);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, part);
        std::vector<qsizetype> ends;
        qsizetype end = 0;
        while (static_cast<int>(ends.size()) < count && (end = finder.toNextBoundary()) != -1)
            ends.push_back(end);
        // A character that ends where the window ends may go on beyond it.
        if (whole || (static_cast<int>(ends.size()) == count && ends.back() < part.size()))
            return ends;
        if (window >= most) {
            if (static_cast<int>(ends.size()) < count && (ends.empty() || ends.back() < window))
                ends.push_back(window);
            return ends;
        }
        window = std::min(window * 4, most);
    }
}

} // namespace

std::vector<std::string> firstUserCharacters(const QString& text, int count) {
    std::vector<std::string> characters;
    qsizetype start = 0;
    for (qsizetype end : characterEnds(text, count)) {
        characters.push_back(text.mid(start, end - start).toStdString());
        start = end;
    }
    return characters;
}

QString leadingUserCharacters(const QString& text, int count) {
    const std::vector<qsizetype> ends = characterEnds(text, count);
    return ends.empty() ? QString() : text.left(ends.back());
}

std::string colorTextAfterFieldRules(const std::string& text) {
    QString field = QString::fromStdString(text);
    while (true) {
        const ColorFieldOutcome outcome =
            processColorFieldText(firstUserCharacters(field, colorFieldCharacters));
        const QString kept = QString::fromStdString(outcome.fieldText);
        if (kept == field)
            return outcome.storedText;
        field = kept;
    }
}

} // namespace brisvane
