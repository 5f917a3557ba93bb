#include "platform/HtmlView.h"

#include "generate/BodyScrollbarColors.h"
#include "generate/LooseInlineContent.h"
#include "platform/ClassicScrollBarStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QScrollBar>
#include <QStringDecoder>

namespace brisvane {

namespace {

// Enough for the sample picture and the pictures of the help pages, without growing forever.
constexpr qsizetype maxCachedPictures = 32;

// The text of a URL as it was written, so that a '#' or '?' in a folder name stays part of the
// path instead of becoming a fragment or query.
QString writtenText(const QUrl& url) {
    QString text = url.path(QUrl::FullyDecoded);
    if (url.hasQuery())
        text += QLatin1Char('?') + url.query(QUrl::FullyDecoded);
    if (url.hasFragment())
        text += QLatin1Char('#') + url.fragment(QUrl::FullyDecoded);
    return text;
}

// The local file a picture source names, or nothing when QTextBrowser should resolve it.
QString localPicturePath(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme.isEmpty()) {
        const QString path = writtenText(url);
        return QDir::isAbsolutePath(path) ? path : QString();
    }
    // "C:/folder/pic.jpg" reads as scheme "c".
    if (scheme.size() == 1) {
        const QString path = scheme + QLatin1Char(':') + writtenText(url);
        return QDir::isAbsolutePath(path) ? path : QString();
    }
    if (url.isLocalFile()) {
        const QString path = url.toLocalFile();
        if (url.hasFragment()) {
            const QString whole = path + QLatin1Char('#') + url.fragment(QUrl::FullyDecoded);
            if (QFileInfo::exists(whole))
                return whole;
        }
        return path;
    }
    return {};
}

QByteArray pageText(const QVariant& data) {
    if (data.userType() == QMetaType::QString)
        return data.toString().toUtf8();
    if (data.userType() != QMetaType::QByteArray)
        return {};
    const QByteArray bytes = data.toByteArray();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        return bytes;
    const QString text = decoder(bytes);
    return text.toUtf8();
}

} // namespace

HtmlView::HtmlView(QWidget* parent)
    : QTextBrowser(parent), m_style(new ClassicScrollBarStyle(this)) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setStyle(m_style);
    horizontalScrollBar()->setStyle(m_style);
    // Pages reached through links, history or reload have their colours taken here.
    connect(this, &QTextBrowser::sourceChanged, this, &HtmlView::applyLoadedPageColors);
}

HtmlView::~HtmlView() = default;

void HtmlView::setDocumentHtml(const QString& html) {
    const bool keepPosition = m_showsGivenHtml;
    const int position = verticalScrollBar()->value();
    const QByteArray utf8 = html.toUtf8();
    const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    applyColors(text);
    setHtml(QString::fromStdString(wrapLooseInlineContent(text)));
    m_showsGivenHtml = true;
    if (keepPosition) {
        // The scroll range follows the layout; have it finished so the old value fits.
        document()->documentLayout()->documentSize();
        verticalScrollBar()->setValue(position);
    } else {
        verticalScrollBar()->setValue(0);
    }
}

void HtmlView::loadDocument(const QString& filePath) {
    const QUrl url = QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath());
    if (source() == url)
        reload(); // The file may have changed since it was shown.
    else
        setSource(url, QTextDocument::HtmlResource);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource) {
        const QString path = localPicturePath(name);
        if (!path.isEmpty()) {
            QVariant picture = localPicture(path);
            if (picture.isValid())
                return picture;
        }
        return QTextBrowser::loadResource(type, name);
    }
    QVariant data = QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::HtmlResource || type == QTextDocument::MarkdownResource)
        m_loadedPage = data;
    return data;
}

void HtmlView::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    // The view shows local pages only; a web address is for the desktop's browser.
    const QString scheme = name.scheme();
    if (scheme.size() > 1 && !name.isLocalFile() && scheme != QLatin1String("qrc")) {
        emit externalLinkActivated(name);
        return;
    }
    m_loadedPage.reset();
    QTextBrowser::doSetSource(name, type);
}

void HtmlView::applyColors(std::string_view html) {
    if (m_style->setColorValues(findBodyScrollbarColors(html))) {
        verticalScrollBar()->update();
        horizontalScrollBar()->update();
    }
}

void HtmlView::applyLoadedPageColors() {
    // A jump to an anchor of the page already shown loads nothing and keeps its colours.
    if (!m_loadedPage)
        return;
    const QByteArray text = pageText(*m_loadedPage);
    m_loadedPage.reset();
    applyColors(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    m_showsGivenHtml = false;
}

QVariant HtmlView::localPicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    const auto found = m_pictures.constFind(path);
    if (found != m_pictures.cend() && found->size == size && found->modified == modified)
        return found->pixmap;

    QImage image(path);
    if (image.isNull()) {
        m_pictures.remove(path);
        return {};
    }
    if (m_pictures.size() >= maxCachedPictures && !m_pictures.contains(path))
        m_pictures.clear();
    CachedPicture& entry = m_pictures[path];
    entry.size = size;
    entry.modified = modified;
    entry.pixmap = QPixmap::fromImage(std::move(image));
    return entry.pixmap;
}

} // namespace brisvane
