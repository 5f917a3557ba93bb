#include "platform/HtmlView.h"

#include "platform/ClassicScrollBarStyle.h"
#include "support/CoreTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace brisvane {
namespace {

using enum ColorRole;
using Colors = std::array<QString, colorRoleCount>;

// Seven colours unlike each other and any palette, in role order.
const Colors pageColors = {"#c08040", "#40e0d0", "#2244aa", "#808000",
                           "#ff8c00", "#ff0080", "#006000"};

QString pageColor(ColorRole role) {
    return pageColors[roleIndex(role)];
}

Colors filled(const QString& v) {
    return {v, v, v, v, v, v, v};
}

// A page of `lines` paragraphs whose body rule gives the scroll bar the colours.
QString page(const Colors& values, int lines = 60, bool inBodyStyle = false) {
    QString rule, body;
    for (ColorRole role : allColorRoles)
        rule += QString::fromLatin1(cssPropertyName(role)) + ": " + values[roleIndex(role)] + "; ";
    for (int i = 0; i < lines; ++i)
        body += QString("<p>Line %1</p>\r\n").arg(i);
    if (inBodyStyle)
        return "<html><body style=\"" + rule + "\">" + body + "</body></html>";
    return "<html>\r\n<head>\r\n<style type=\"text/css\">\r\n<!--\r\nbody {\r\n" + rule +
           "}\r\n-->\r\n</style>\r\n</head>\r\n<body>\r\n" + body + "</body>\r\n</html>";
}

void writeFile(const QString& path, const QString& text) {
    test::writeBytes(path.toStdString(), text.toStdString());
}

void savePicture(const QString& path, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && picture.save(path, "PNG"));
}

QRect partRect(const QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

QString colorAt(const QImage& image, QPoint at) {
    return image.pixelColor(at).name();
}

// The pixels of one colour inside a button, away from its two-pixel bevel, in reading order.
std::vector<QPoint> pixelsInside(const QImage& image, const QRect& button, const QString& color) {
    std::vector<QPoint> found;
    for (int y = button.top() + 2; y <= button.bottom() - 2; ++y) {
        for (int x = button.left() + 2; x <= button.right() - 2; ++x) {
            if (colorAt(image, {x, y}) == color)
                found.emplace_back(x, y);
        }
    }
    return found;
}

// Lengths of a glyph's rows, top to bottom.
std::vector<int> glyphRows(const std::vector<QPoint>& pixels) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (i == 0 || pixels[i].y() != pixels[i - 1].y())
            rows.push_back(0);
        ++rows.back();
    }
    return rows;
}

// Every part of a scrollable bar. A track colour left empty means the checkerboard of face and
// highlight. A horizontal bar is read mirrored across its diagonal, as a vertical one: the
// bevels keep their colours and the left and right arrows become up and down.
void expectPaintedWith(QScrollBar& bar, const Colors& colors) {
    const auto color = [&](ColorRole role) { return colors[roleIndex(role)]; };
    const bool across = bar.orientation() == Qt::Horizontal;
    const auto part = [&](QStyle::SubControl sc) {
        const QRect r = partRect(bar, sc);
        return across ? QRect(r.top(), r.left(), r.height(), r.width()) : r;
    };
    const QImage grab = bar.grab().toImage();
    const QImage image =
        across ? grab.transformed(QTransform().rotate(90)).mirrored(true, false) : grab;
    const QRect up = part(QStyle::SC_ScrollBarSubLine), down = part(QStyle::SC_ScrollBarAddLine);
    const QRect thumb = part(QStyle::SC_ScrollBarSlider);
    const QPoint track = part(QStyle::SC_ScrollBarAddPage).center();
    ASSERT_GE(thumb.height(), 8);
    // Two rings round the thumb (l, t, r, b outer; il, it, ir, ib inner); bottom and right own
    // the corners they share with top and left.
    const int l = thumb.left(), t = thumb.top(), r = thumb.right(), b = thumb.bottom();
    const int il = l + 1, it = t + 1, ir = r - 1, ib = b - 1, x = thumb.center().x(),
              y = thumb.center().y();
    const std::pair<QPoint, ColorRole> probes[] = {
        {{x, y}, Face},        {{x, up.bottom()}, DarkShadow},
        {{l, y}, ThreeDLight}, {{x, t}, ThreeDLight},
        {{r, y}, DarkShadow},  {{x, b}, DarkShadow},
        {{r, t}, DarkShadow},  {{l, b}, DarkShadow},
        {{il, y}, Highlight},  {{x, it}, Highlight},
        {{ir, y}, Shadow},     {{x, ib}, Shadow},
        {{ir, it}, Shadow},    {{il, ib}, Shadow}};
    for (const auto& [at, role] : probes)
        EXPECT_EQ(colorAt(image, at), color(role)) << at.x() << "," << at.y();
    if (!color(Track).isEmpty()) {
        EXPECT_EQ(colorAt(image, track), color(Track));
    } else {
        const QString here = colorAt(image, track);
        EXPECT_EQ((std::set<QString>{here, colorAt(image, track + QPoint(1, 0))}),
                  (std::set<QString>{color(Face), color(Highlight)}));
        EXPECT_EQ(colorAt(image, track + QPoint(1, 1)), here);
    }
    EXPECT_EQ(glyphRows(pixelsInside(image, up, color(Arrow))), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(glyphRows(pixelsInside(image, down, color(Arrow))), (std::vector<int>{7, 5, 3, 1}));
}

class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.setFixedSize(200, 150);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QScrollBar& bar() { return *view.verticalScrollBar(); }
    QPixmap picture(const QString& path) {
        return view.loadResource(QTextDocument::ImageResource, QUrl(path)).value<QPixmap>();
    }

    HtmlView view;
    QTemporaryDir root;
};

TEST_F(HtmlViewTest, ScrollBarsTakeTheBodyColoursOrThePalette) {
    // Without a usable colour a part takes the palette's; the track then is a checkerboard.
    const Colors fallback = {"#e0d0b0", "#fff8f0", "#c8c8f8", "#706050", "#102030", "", "#900090"};
    const QPalette::ColorRole paletteRoles[] = {
        QPalette::Button, QPalette::Light,  QPalette::Midlight,  QPalette::Dark,
        QPalette::Shadow, QPalette::Button, QPalette::ButtonText};
    QPalette palette = bar().palette();
    for (std::size_t i = 0; i < colorRoleCount; ++i) // the track's Button is the face's
        palette.setColor(paletteRoles[i],
                         QColor(fallback[i].isEmpty() ? fallback[0] : fallback[i]));
    bar().setPalette(palette);
    view.setLineWrapMode(QTextEdit::NoWrap);
    const std::tuple<const char*, QString, QScrollBar*, Colors> cases[] = {
        {"vertical", page(pageColors), &bar(), pageColors},
        {"horizontal", page(pageColors) + "<p>" + QString(200, 'x') + "</p>",
         view.horizontalScrollBar(), pageColors},
        {"no colours", page(filled("<not_set>")), &bar(), fallback}};
    for (const auto& [name, html, scrollBar, painted] : cases) {
        SCOPED_TRACE(name);
        view.setDocumentHtml(html);
        ASSERT_GT(scrollBar->maximum(), 0);
        scrollBar->setValue(scrollBar->maximum() / 3);
        expectPaintedWith(*scrollBar, painted);
    }
}

TEST_F(HtmlViewTest, ScrollBarThatCannotScrollShowsNoThumbAndGreyGlyphs) {
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "nothing to scroll" : "disabled");
        view.setDocumentHtml(page(pageColors, enabled ? 1 : 60));
        bar().setEnabled(enabled);
        const QImage image = bar().grab().toImage();
        const QRect up = partRect(bar(), QStyle::SC_ScrollBarSubLine);
        const QRect down = partRect(bar(), QStyle::SC_ScrollBarAddLine);
        for (int y = up.bottom() + 1; y < down.top(); ++y)
            ASSERT_EQ(colorAt(image, {8, y}), pageColor(Track)) << "row " << y;
        // Grey glyphs: shadow over a highlight copy one pixel down and right.
        for (const QRect& button : {up, down}) {
            const auto shadow = pixelsInside(image, button, pageColor(Shadow));
            const auto light = pixelsInside(image, button, pageColor(Highlight));
            EXPECT_EQ(shadow.size(), 16u);
            EXPECT_FALSE(light.empty());
            for (const QPoint& p : light)
                EXPECT_EQ(std::count(shadow.begin(), shadow.end(), p - QPoint(1, 1)), 1);
        }
    }
}

TEST_F(HtmlViewTest, PartsLieWhereClicksFindThemAndPressedButtonsLookFlat) {
    view.setDocumentHtml(page(pageColors, 200));
    const int length = bar().height();
    const QRect up = partRect(bar(), QStyle::SC_ScrollBarSubLine);
    const QRect thumb = partRect(bar(), QStyle::SC_ScrollBarSlider);
    EXPECT_EQ(thumb, QRect(0, 16, 16, 8)); // at the top, and no shorter than 8 pixels
    QTest::mouseClick(&bar(), Qt::LeftButton, {}, QPoint(8, length - 8));
    EXPECT_EQ(bar().value(), bar().singleStep());
    QTest::mouseClick(&bar(), Qt::LeftButton, {}, QPoint(8, thumb.bottom() + 4));
    EXPECT_EQ(bar().value(), bar().singleStep() + bar().pageStep());
    bar().setValue(bar().maximum());
    EXPECT_EQ(partRect(bar(), QStyle::SC_ScrollBarSlider).bottom(), length - 17);

    // Pressed, a button is framed in shadow and its glyph moves one pixel down and right.
    std::vector<QPoint> moved = pixelsInside(bar().grab().toImage(), up, pageColor(Arrow));
    for (QPoint& p : moved)
        p += QPoint(1, 1);
    QTest::mousePress(&bar(), Qt::LeftButton, {}, up.center());
    const QImage image = bar().grab().toImage();
    QTest::mouseRelease(&bar(), Qt::LeftButton, {}, up.center());
    EXPECT_EQ(colorAt(image, {up.left(), up.center().y()}), pageColor(Shadow));
    EXPECT_EQ(colorAt(image, {up.center().x(), up.bottom()}), pageColor(Shadow));
    EXPECT_EQ(pixelsInside(image, up, pageColor(Arrow)), moved);
}

TEST_F(HtmlViewTest, RebuiltPageKeepsItsScrollPosition) {
    view.setDocumentHtml(page(pageColors));
    const int middle = bar().maximum() / 2;
    ASSERT_GT(middle, 0);
    bar().setValue(middle);
    view.setDocumentHtml(page(pageColors));
    EXPECT_EQ(bar().value(), middle);
    view.setDocumentHtml(page(pageColors, 15)); // as much of it as a shorter page can keep
    EXPECT_GT(bar().maximum(), 0);
    EXPECT_LT(bar().maximum(), middle);
    EXPECT_EQ(bar().value(), bar().maximum());
    writeFile(root.filePath("help.html"), page(pageColors)); // a file starts at the top
    view.loadDocument(root.filePath("help.html").toStdString());
    EXPECT_EQ(bar().value(), 0);
}

TEST_F(HtmlViewTest, PagesInAFolderWithAHashFindTheirPicturesAndLinksAndTakeTheirColours) {
    const QString folder = root.filePath("help #2 files"), tall = folder + "/tall.png";
    savePicture(tall, 20, 200);
    writeFile(folder + "/first.html",
              page(pageColors)
                  .replace("<body>", "<body><p><a href=\"second.html\">next page</a>"
                                     "</p><img src=\"tall.png\">"));
    writeFile(folder + "/second.html", page(filled("#0000ff"), 40, true));
    const auto face = [&] { return view.scrollBarStyle().customColor(Face); };
    const auto shown = [&](const QString& source) {
        return view.document()
            ->resource(QTextDocument::ImageResource, QUrl(source))
            .value<QPixmap>();
    };
    // A picture's source is a plain path, '#' and all; it is decoded again only once changed.
    const QString withPicture = "<html><body><p>before</p><img src=\"" + tall + "\"></body></html>";
    view.setDocumentHtml(withPicture);
    EXPECT_EQ(shown(tall).size(), QSize(20, 200));
    EXPECT_EQ(picture(tall).cacheKey(), shown(tall).cacheKey());
    savePicture(tall, 30, 30);
    EXPECT_EQ(picture(tall).size(), QSize(30, 30));

    view.loadDocument((folder + "/first.html").toStdString());
    EXPECT_EQ(shown("tall.png").size(), QSize(30, 30));
    EXPECT_EQ(face(), QColor(pageColor(Face)));
    QTextCursor link = view.document()->find("next page"); // followed as a reader does
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(link).center());
    EXPECT_TRUE(view.source().toLocalFile().endsWith("second.html"));
    EXPECT_EQ(face(), QColor(0, 0, 0xFF));
    view.backward();
    EXPECT_EQ(face(), QColor(pageColor(Face)));
    // Reading another page's text, then jumping within the shown one, changes no colours.
    view.loadResource(QTextDocument::HtmlResource, QUrl::fromLocalFile(folder + "/second.html"));
    view.setSource(QUrl("#top"));
    EXPECT_EQ(face(), QColor(pageColor(Face)));
    // A plain path still, now that a page gives addresses a base.
    view.setDocumentHtml(withPicture);
    EXPECT_EQ(shown(tall).size(), QSize(30, 30));

    // A page without colours leaves none behind; the same file loaded again is read again.
    const QString plain = folder + "/plain.html";
    writeFile(plain, "<p>plain</p>");
    view.loadDocument(plain.toStdString());
    EXPECT_FALSE(face().has_value());
    writeFile(plain, page(filled("#0000ff")));
    view.loadDocument(plain.toStdString());
    EXPECT_EQ(face(), QColor(0, 0, 0xFF));
}

TEST_F(HtmlViewTest, PicturesAreReadByTheirContentWhateverTheirNames) {
    // A 2 by 3 GIF, which Qt can read but not write.
    const QByteArray gif = QByteArray::fromHex("47494638396102000300f00000ff000000000021f904000000"
                                               "00002c0000000002000300000202845f003b");
    const QImage made(5, 4, QImage::Format_RGB32);
    const auto saved = [&](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        made.save(&buffer, format);
        return bytes;
    };
    const struct {
        QByteArray bytes;
        QSize size;
    } rows[] = {
        {saved("PNG"), {5, 4}},
        {saved("JPEG"), {5, 4}},
        {gif, {2, 3}},
        {saved("BMP"), {5, 4}}, // no known first bytes: Qt's readers are asked in turn
        {"GIF89a, but no picture", {0, 0}},
    };
    for (const auto& row : rows) {
        const QString path = root.filePath(QString("picture%1.dat").arg(&row - rows));
        test::writeBytes(path.toStdString(), row.bytes.toStdString());
        EXPECT_EQ(picture(path).size(), row.size) << row.bytes.left(8).toHex().toStdString();
    }
}

} // namespace
} // namespace brisvane
