#include "windows/UserCharacters.h"

#include <QTextBoundaryFinder>

namespace brisvane {

namespace {

// Where each of the first `count` characters ends.
std::vector<qsizetype> characterEnds(const QString& text, int count) {
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
        window *= 4;
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

} // namespace brisvane
