#include "platform/HtmlView.h"

#include "import/ScrollbarColorReader.h"
#include "platform/ClassicScrollBarStyle.h"
#include "platform/LooseInlineContent.h"
#include "text/HexDigits.h"
#include "text/Utf8.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QScrollBar>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisvane {

namespace {

// Enough for the sample picture and the pictures of the help pages, without growing forever.
constexpr qsizetype maxCachedPictures = 32;

// Paths are bytes. A URL carries the bytes of a name that is not UTF-8 as percent escapes,
// which its decoded text would turn into replacement characters; its encoded text keeps them.
std::string urlBytes(const QString& encoded) {
    return QByteArray::fromPercentEncoding(encoded.toLatin1()).toStdString();
}

// The text of a URL as it was written, so that a '#' or '?' in a folder name stays part of the
// path instead of becoming a fragment or query.
std::string writtenBytes(const QUrl& url) {
    QString text = url.path(QUrl::FullyEncoded);
    if (url.hasQuery())
        text += QLatin1Char('?') + url.query(QUrl::FullyEncoded);
    if (url.hasFragment())
        text += QLatin1Char('#') + url.fragment(QUrl::FullyEncoded);
    return urlBytes(text);
}

struct stat fileStatus(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        info.st_mode = 0;
    return info;
}

// The local file a picture source names, or nothing when QTextBrowser should resolve it.
std::string localPicturePath(const QUrl& url) {
    if (url.scheme().isEmpty()) {
        const std::string path = writtenBytes(url);
        return path.starts_with('/') ? path : std::string();
    }
    if (url.isLocalFile()) {
        const std::string path = urlBytes(url.path(QUrl::FullyEncoded));
        if (url.hasFragment()) {
            const std::string whole = path + '#' + urlBytes(url.fragment(QUrl::FullyEncoded));
            if (S_ISREG(fileStatus(whole).st_mode))
                return whole;
        }
        return path;
    }
    return {};
}

// A whole local file by its bytes path; nothing when it cannot be read. The descriptor is
// opened here, by bytes, and read through QFile.
std::optional<QByteArray> fileBytes(const std::string& path) {
    QFile file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// Qt finds a picture's format by loading each of its picture readers in turn and asking it.
// The first bytes of the common formats name them, so that only their one reader is loaded.
const char* pictureFormat(const QByteArray& bytes) {
    struct Signature {
        QByteArrayView start;
        const char* format;
    };
    static constexpr Signature signatures[] = {
        {"\xFF\xD8\xFF", "jpeg"},
        {"\x89PNG\r\n\x1A\n", "png"},
        {"GIF87a", "gif"},
        {"GIF89a", "gif"},
    };
    for (const Signature& signature : signatures) {
        if (bytes.startsWith(signature.start))
            return signature.format;
    }
    return nullptr;
}

QImage readPicture(const QByteArray& bytes) {
    const char* format = pictureFormat(bytes);
    if (!format)
        return QImage::fromData(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
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
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        bar->setStyle(m_style);
        // The bar tells its style which part the pointer is over only when it tracks hovering.
        bar->setAttribute(Qt::WA_Hover);
    }
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

std::string pathForHtml(std::string_view bytes) {
    if (isUtf8(bytes))
        return std::string(bytes);
    // Percent escapes carry the bytes through the page's text; loadResource() turns them back.
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += '%';
            text += hexDigit(byte >> 4);
            text += hexDigit(byte);
        }
    }
    return text;
}

void HtmlView::loadDocument(const std::string& filePath) {
    const QUrl url = QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(filePath).toPercentEncoding("/"), QUrl::StrictMode);
    if (source() == url)
        reload(); // The file may have changed since it was shown.
    else
        setSource(url, QTextDocument::HtmlResource);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource) {
        const std::string path = localPicturePath(name);
        if (!path.empty()) {
            QVariant picture = localPicture(path);
            if (picture.isValid())
                return picture;
        } else if (name.scheme().isEmpty() && source().isEmpty()) {
            // A page given as text has no folder: its relative pictures are not looked for in
            // whatever folder the program was started from.
            return {};
        }
        return QTextBrowser::loadResource(type, name);
    }
    // Local pages are read by the bytes of their path, which Qt's own loading would take for
    // text and lose where they are not UTF-8.
    QVariant data;
    if (name.isLocalFile() && type == QTextDocument::HtmlResource) {
        if (auto bytes = fileBytes(urlBytes(name.path(QUrl::FullyEncoded))))
            data = std::move(*bytes);
    } else {
        data = QTextBrowser::loadResource(type, name);
    }
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
    if (m_style->setColors(readScrollbarColors(html).colors)) {
        verticalScrollBar()->update();
        horizontalScrollBar()->update();
    }
}

void HtmlView::setStateColors(std::optional<ColorValue> hover, std::optional<ColorValue> pressed) {
    if (m_style->setStateColors(hover, pressed)) {
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

QVariant HtmlView::localPicture(const std::string& path) {
    const struct stat info = fileStatus(path);
    if (!S_ISREG(info.st_mode))
        return {};
    const QByteArray key = QByteArray::fromStdString(path);
    const qint64 modified = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
    const auto found = m_pictures.constFind(key);
    if (found != m_pictures.cend() && found->size == info.st_size && found->modified == modified)
        return found->pixmap;

    const auto bytes = fileBytes(path);
    QImage image = bytes ? readPicture(*bytes) : QImage();
    if (image.isNull()) {
        m_pictures.remove(key);
        return {};
    }
    if (m_pictures.size() >= maxCachedPictures && !m_pictures.contains(key))
        m_pictures.clear();
    CachedPicture& entry = m_pictures[key];
    entry.size = info.st_size;
    entry.modified = modified;
    entry.pixmap = QPixmap::fromImage(std::move(image));
    return entry.pixmap;
}

} // namespace brisvane
