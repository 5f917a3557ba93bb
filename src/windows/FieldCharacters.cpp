#include "windows/FieldCharacters.h"

#include "text/UserCharacters.h"

namespace brisvane {

namespace {

// Only the start of a long text can hold the characters wanted: no paste, however long, is
// converted whole.
QByteArray startOf(const QString& text, int count) {
    return text.left(static_cast<qsizetype>(count) * 64).toUtf8();
}

} // namespace

std::vector<std::string> firstUserCharacters(const QString& text, int count) {
    const QByteArray utf8 = startOf(text, count);
    return firstUserCharacters(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), count);
}

QString leadingUserCharacters(const QString& text, int count) {
    std::string kept;
    for (const std::string& character : firstUserCharacters(text, count))
        kept += character;
    return QString::fromStdString(kept);
}

} // namespace brisvane
