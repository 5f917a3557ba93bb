#pragma once

#include "scheme/HexColor.h"

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QTextBrowser>
#include <QVariant>

#include <optional>
#include <string>
#include <string_view>

namespace brisvane {

class ClassicScrollBarStyle;

// A local path (bytes) as text for a page's src or href: bytes that are not UTF-8 become
// percent escapes, which the view turns back into the same bytes; all else is unchanged.
std::string pathForHtml(std::string_view bytes);

// Shows a web page whose scroll bar takes the scrollbar-*-color values of the page's body
// rule, drawn the classic way. Every page shown gets that treatment: text handed over, a file,
// or a page reached through a link.
class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // Shows the document at once. A document that replaces one given this way keeps the
    // vertical scroll position (as far as the new one is long), since the preview is rebuilt
    // on every keystroke; any other document starts at the top.
    void setDocumentHtml(const QString& html);
    // Shows an HTML file from the top; its links and pictures resolve against its folder.
    // The path is bytes, as the system gives it.
    void loadDocument(const std::string& filePath);

    const ClassicScrollBarStyle& scrollBarStyle() const { return *m_style; }
    // The faces of the scroll bar's slider and arrow buttons while the pointer is over them
    // and while they are held, which no page says; none keeps the face.
    void setStateColors(std::optional<ColorValue> hover, std::optional<ColorValue> pressed);

    // Picture sources without a scheme are plain local paths, '#' and all. Decoded pictures are
    // kept while the file keeps its size and modification time.
    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // A link to something other than a local page was followed (a web site, mail).
    void externalLinkActivated(const QUrl& url);

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    struct CachedPicture {
        qint64 size = 0;
        qint64 modified = 0; // nanoseconds
        QPixmap pixmap;
    };

    void applyColors(std::string_view html);
    void applyLoadedPageColors();
    QVariant localPicture(const std::string& path);

    ClassicScrollBarStyle* m_style;
    QHash<QByteArray, CachedPicture> m_pictures;
    // The text of the page that QTextBrowser is loading, until its colours are taken.
    std::optional<QVariant> m_loadedPage;
    bool m_showsGivenHtml = false;
};

} // namespace brisvane
