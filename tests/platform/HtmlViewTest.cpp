#include "platform/HtmlView.h"

#include "platform/ClassicScrollBarStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace brisvane {
namespace {

// Seven colours that differ from each other and from any palette, in role order.
const std::array<QColor, colorRoleCount> pageColors = {
    QColor(0xC0, 0x80, 0x40), QColor(0x40, 0xE0, 0xD0), QColor(0x20, 0x40, 0xA0),
    QColor(0x80, 0x80, 0x00), QColor(0x40, 0x00, 0x40), QColor(0xA0, 0xC0, 0xE0),
    QColor(0x00, 0x60, 0x00)};

QColor pageColor(ColorRole role) {
    return pageColors[roleIndex(role)];
}

QString declarations(const std::array<QString, colorRoleCount>& values) {
    QString text;
    for (ColorRole role : allColorRoles) {
        text += QString::fromLatin1(cssPropertyName(role).data(),
                                    static_cast<qsizetype>(cssPropertyName(role).size()));
        text += QStringLiteral(": ") + values[roleIndex(role)] + QStringLiteral(";\r\n");
    }
    return text;
}

std::array<QString, colorRoleCount> allValues(const QString& value) {
    std::array<QString, colorRoleCount> values;
    values.fill(value);
    return values;
}

std::array<QString, colorRoleCount> pageColorValues() {
    std::array<QString, colorRoleCount> values;
    for (ColorRole role : allColorRoles)
        values[roleIndex(role)] = pageColor(role).name();
    return values;
}

QString lines(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("<p>Line %1</p>\r\n").arg(i);
    return text;
}

QString pageWithRule(const std::array<QString, colorRoleCount>& values, int lineCount = 60) {
    return QStringLiteral("<html>\r\n<head>\r\n<style type=\"text/css\">\r\n<!--\r\nbody {\r\n") +
           declarations(values) + QStringLiteral("}\r\n-->\r\n</style>\r\n</head>\r\n<body>\r\n") +
           lines(lineCount) + QStringLiteral("</body>\r\n</html>");
}

QString pageWithBodyStyle(const std::array<QString, colorRoleCount>& values, int lineCount = 60) {
    QString style = declarations(values);
    style.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return QStringLiteral("<html><body style=\"") + style + QStringLiteral("\">") +
           lines(lineCount) + QStringLiteral("</body></html>");
}

void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(text.toUtf8());
}

// The option QScrollBar paints itself with, to ask its style where the parts are.
QStyleOptionSlider barOption(const QScrollBar& bar) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    if (bar.orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return option;
}

QRect partRect(const QScrollBar& bar, QStyle::SubControl part) {
    const QStyleOptionSlider option = barOption(bar);
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

QString colorAt(const QImage& image, QPoint at) {
    return image.pixelColor(at).name();
}

// The pixels of one colour inside a button, away from its two-pixel bevel.
std::vector<QPoint> pixelsInside(const QImage& image, const QRect& button, const QColor& color) {
    std::vector<QPoint> found;
    for (int y = button.top() + 2; y <= button.bottom() - 2; ++y) {
        for (int x = button.left() + 2; x <= button.right() - 2; ++x) {
            if (image.pixelColor(x, y).rgb() == color.rgb())
                found.emplace_back(x, y);
        }
    }
    return found;
}

// Row (or column) lengths of a glyph along the direction it points, from its first line on.
std::vector<int> glyphProfile(const std::vector<QPoint>& pixels, bool rows) {
    std::map<int, int> counts;
    for (const QPoint& p : pixels)
        ++counts[rows ? p.y() : p.x()];
    std::vector<int> profile;
    for (const auto& [line, count] : counts)
        profile.push_back(count);
    return profile;
}

class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.setFixedSize(200, 150);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QScrollBar& bar() { return *view.verticalScrollBar(); }
    QImage barImage() { return bar().grab().toImage(); }

    HtmlView view;
};

struct Sample {
    const char* what;
    QPoint at;
    QColor expected;
};

void expectSamples(const QImage& image, const std::vector<Sample>& samples) {
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.what);
        EXPECT_EQ(colorAt(image, sample.at), sample.expected.name())
            << "at " << sample.at.x() << "," << sample.at.y();
    }
}

// Every part of a scrollable bar: thumb face and bevel, track, buttons and glyph.
void expectPaintedWith(QScrollBar& bar, const std::array<QColor, colorRoleCount>& colors) {
    const auto color = [&](ColorRole role) { return colors[roleIndex(role)]; };
    const QImage image = bar.grab().toImage();
    const QRect thumb = partRect(bar, QStyle::SC_ScrollBarSlider);
    const QRect page = partRect(bar, QStyle::SC_ScrollBarAddPage);
    const QRect up = partRect(bar, QStyle::SC_ScrollBarSubLine);
    ASSERT_GE(thumb.height(), 8);
    ASSERT_GE(page.height(), 4);
    const QPoint mid = thumb.center();
    expectSamples(
        image,
        {
            {"thumb face", mid, color(ColorRole::Face)},
            {"thumb outer left", {thumb.left(), mid.y()}, color(ColorRole::ThreeDLight)},
            {"thumb outer top", {mid.x(), thumb.top()}, color(ColorRole::ThreeDLight)},
            {"thumb inner left", {thumb.left() + 1, mid.y()}, color(ColorRole::Highlight)},
            {"thumb inner top", {mid.x(), thumb.top() + 1}, color(ColorRole::Highlight)},
            {"thumb inner right", {thumb.right() - 1, mid.y()}, color(ColorRole::Shadow)},
            {"thumb inner bottom", {mid.x(), thumb.bottom() - 1}, color(ColorRole::Shadow)},
            {"thumb outer right", {thumb.right(), mid.y()}, color(ColorRole::DarkShadow)},
            {"thumb outer bottom", {mid.x(), thumb.bottom()}, color(ColorRole::DarkShadow)},
            {"thumb top-left corner", thumb.topLeft(), color(ColorRole::ThreeDLight)},
            {"thumb top-right corner", thumb.topRight(), color(ColorRole::DarkShadow)},
            {"thumb bottom-left corner", thumb.bottomLeft(), color(ColorRole::DarkShadow)},
            {"thumb inner top-right corner", thumb.topRight() + QPoint(-1, 1),
             color(ColorRole::Shadow)},
            {"track", page.center(), color(ColorRole::Track)},
            {"button face beside the glyph", up.topLeft() + QPoint(3, 3), color(ColorRole::Face)},
            {"button outer left", {up.left(), up.center().y()}, color(ColorRole::ThreeDLight)},
            {"button outer bottom", {up.center().x(), up.bottom()}, color(ColorRole::DarkShadow)},
        });
    // The up arrow: a solid triangle of 1, 3, 5 and 7 pixels, apex on top.
    const std::vector<QPoint> glyph = pixelsInside(image, up, color(ColorRole::Arrow));
    EXPECT_EQ(glyphProfile(glyph, true), (std::vector<int>{1, 3, 5, 7}));
}

TEST_F(HtmlViewTest, ScrollBarTakesTheBodyColoursHoweverThePageArrives) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("help page.html"));
    writeFile(file, pageWithRule(pageColorValues()));

    struct Way {
        const char* name;
        std::function<void()> show;
    };
    const std::vector<Way> ways = {
        {"style element", [&] { view.setDocumentHtml(pageWithRule(pageColorValues())); }},
        {"body style attribute",
         [&] { view.setDocumentHtml(pageWithBodyStyle(pageColorValues())); }},
        {"file", [&] { view.loadDocument(file); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        view.setDocumentHtml(QStringLiteral("<p>none</p>"));
        way.show();
        ASSERT_GT(bar().maximum(), 0);
        bar().setValue(bar().maximum() / 3);
        expectPaintedWith(bar(), pageColors);
        for (ColorRole role : allColorRoles)
            EXPECT_EQ(view.scrollBarStyle().customColor(role), pageColor(role));
    }
}

TEST_F(HtmlViewTest, InvalidColoursFallBackToThePaletteWithACheckeredTrack) {
    QPalette palette = bar().palette();
    palette.setColor(QPalette::Button, QColor(0xE0, 0xD0, 0xB0));
    palette.setColor(QPalette::Light, QColor(0xFF, 0xF8, 0xF0));
    palette.setColor(QPalette::Midlight, QColor(0xC8, 0xC8, 0xF8));
    palette.setColor(QPalette::Dark, QColor(0x70, 0x60, 0x50));
    palette.setColor(QPalette::Shadow, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::ButtonText, QColor(0x90, 0x00, 0x90));
    bar().setPalette(palette);
    const std::array<QColor, colorRoleCount> fallback = {
        palette.color(QPalette::Button),    palette.color(QPalette::Light),
        palette.color(QPalette::Midlight),  palette.color(QPalette::Dark),
        palette.color(QPalette::Shadow),    palette.color(QPalette::Button),
        palette.color(QPalette::ButtonText)};

    const char* invalid[] = {"<not_set>",      "#12",        "", "#GGGGGG", "12345",
                             "rgb(300, 0, 0)", "transparent"};
    for (const char* value : invalid) {
        SCOPED_TRACE(value);
        view.setDocumentHtml(pageWithRule(allValues(QString::fromLatin1(value))));
        bar().setValue(bar().maximum() / 2);
        for (ColorRole role : allColorRoles)
            EXPECT_FALSE(view.scrollBarStyle().customColor(role).has_value());

        const QImage image = barImage();
        const QRect thumb = partRect(bar(), QStyle::SC_ScrollBarSlider);
        expectSamples(
            image, {
                       {"thumb face", thumb.center(), fallback[0]},
                       {"thumb outer left", {thumb.left(), thumb.center().y()}, fallback[2]},
                       {"thumb inner left", {thumb.left() + 1, thumb.center().y()}, fallback[1]},
                       {"thumb inner right", {thumb.right() - 1, thumb.center().y()}, fallback[3]},
                       {"thumb outer right", {thumb.right(), thumb.center().y()}, fallback[4]},
                   });
        const QRect up = partRect(bar(), QStyle::SC_ScrollBarSubLine);
        EXPECT_EQ(pixelsInside(image, up, fallback[6]).size(), 16u);

        // The track is a one-pixel checkerboard of face and highlight.
        const QPoint track = partRect(bar(), QStyle::SC_ScrollBarAddPage).center();
        const std::set<QString> checker = {fallback[0].name(), fallback[1].name()};
        const QString here = colorAt(image, track);
        EXPECT_TRUE(checker.count(here)) << here.toStdString();
        EXPECT_NE(colorAt(image, track + QPoint(1, 0)), here);
        EXPECT_NE(colorAt(image, track + QPoint(0, 1)), here);
        EXPECT_EQ(colorAt(image, track + QPoint(1, 1)), here);
        EXPECT_TRUE(checker.count(colorAt(image, track + QPoint(1, 0))));
    }
}

TEST_F(HtmlViewTest, MissingTrackColourCheckersTheGivenFaceAndHighlight) {
    std::array<QString, colorRoleCount> values = pageColorValues();
    values[roleIndex(ColorRole::Track)] = QStringLiteral("none of these");
    view.setDocumentHtml(pageWithRule(values));
    const QImage image = barImage();
    const QPoint track = partRect(bar(), QStyle::SC_ScrollBarAddPage).center();
    const std::set<QString> seen = {colorAt(image, track), colorAt(image, track + QPoint(1, 0))};
    EXPECT_EQ(seen, (std::set<QString>{pageColor(ColorRole::Face).name(),
                                       pageColor(ColorRole::Highlight).name()}));
}

TEST_F(HtmlViewTest, ColoursAreReadInEveryFormTheBrowserTook) {
    struct Form {
        const char* text;
        std::optional<QColor> color;
    };
    const std::vector<Form> forms = {
        {"#ABC", QColor(0xAA, 0xBB, 0xCC)},
        {"#a0b1c2", QColor(0xA0, 0xB1, 0xC2)},
        {"#A0b1C2", QColor(0xA0, 0xB1, 0xC2)},
        {"  #102030 ", QColor(0x10, 0x20, 0x30)},
        {"rgb(10, 20, 30)", QColor(10, 20, 30)},
        {"RGB(0,255,7)", QColor(0, 255, 7)},
        {"rgb( 100% , 0%, 50% )", QColor(255, 0, 128)},
        {"navy", QColor(0, 0, 0x80)},
        {"DarkOrange", QColor(0xFF, 0x8C, 0x00)},
        {"<not_set>", std::nullopt},
        {"#12", std::nullopt},
        {"#1234", std::nullopt},
        {"#GGGGGG", std::nullopt},
        {"#12345G", std::nullopt},
        {"12345", std::nullopt},
        {"", std::nullopt},
        {"#", std::nullopt},
        {"rgb(256, 0, 0)", std::nullopt},
        {"rgb(1, 2)", std::nullopt},
        {"rgb(1, 2, 3, 4)", std::nullopt},
        {"rgb(1, -2, 3)", std::nullopt},
        {"rgb(101%, 0%, 0%)", std::nullopt},
        {"rgb(1, 2, 3", std::nullopt},
        {"transparent", std::nullopt},
        {"notacolour", std::nullopt},
        {"light blue", std::nullopt},
        {"red;", std::nullopt},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.text);
        const auto parsed = ClassicScrollBarStyle::parseColor(form.text);
        ASSERT_EQ(parsed.has_value(), form.color.has_value());
        if (parsed) {
            EXPECT_EQ(parsed->name(), form.color->name());
        }
    }

    // And what is read is what the thumb is painted with.
    std::array<QString, colorRoleCount> values = pageColorValues();
    values[roleIndex(ColorRole::Face)] = QStringLiteral("rgb(10, 20, 30)");
    view.setDocumentHtml(pageWithRule(values));
    EXPECT_EQ(colorAt(barImage(), partRect(bar(), QStyle::SC_ScrollBarSlider).center()),
              QColor(10, 20, 30).name());
}

TEST_F(HtmlViewTest, ScrollBarThatCannotScrollShowsNoThumbAndGreyGlyphs) {
    struct Case {
        const char* name;
        int lineCount;
        bool enabled;
    };
    for (const Case& c : {Case{"nothing to scroll", 1, true}, Case{"disabled", 60, false}}) {
        SCOPED_TRACE(c.name);
        view.setDocumentHtml(pageWithRule(pageColorValues(), c.lineCount));
        bar().setEnabled(c.enabled);
        const QImage image = barImage();
        const QRect up = partRect(bar(), QStyle::SC_ScrollBarSubLine);
        const QRect down = partRect(bar(), QStyle::SC_ScrollBarAddLine);
        // Track from one button to the other, no thumb anywhere.
        for (int y = up.bottom() + 1; y < down.top(); ++y) {
            ASSERT_EQ(colorAt(image, {1, y}), pageColor(ColorRole::Track).name()) << "row " << y;
            ASSERT_EQ(colorAt(image, {8, y}), pageColor(ColorRole::Track).name()) << "row " << y;
        }
        // Glyphs in shadow over a highlight copy one pixel down and right; no arrow colour.
        for (const QRect& button : {up, down}) {
            const std::vector<QPoint> shadow =
                pixelsInside(image, button, pageColor(ColorRole::Shadow));
            EXPECT_EQ(shadow.size(), 16u);
            EXPECT_TRUE(pixelsInside(image, button, pageColor(ColorRole::Arrow)).empty());
            EXPECT_FALSE(pixelsInside(image, button, pageColor(ColorRole::Highlight)).empty());
            for (const QPoint& p : shadow) {
                const QString below = colorAt(image, p + QPoint(1, 1));
                EXPECT_TRUE(below == pageColor(ColorRole::Shadow).name() ||
                            below == pageColor(ColorRole::Highlight).name());
            }
        }
    }
    bar().setEnabled(true);
}

TEST_F(HtmlViewTest, PartsLieWhereClicksFindThem) {
    view.setDocumentHtml(pageWithRule(pageColorValues(), 200));
    EXPECT_EQ(bar().width(), 16);
    const int length = bar().height();
    const QStyleOptionSlider option = barOption(bar());
    const auto hit = [&](QPoint at) {
        return bar().style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, at, &bar());
    };
    EXPECT_EQ(partRect(bar(), QStyle::SC_ScrollBarSubLine), QRect(0, 0, 16, 16));
    EXPECT_EQ(partRect(bar(), QStyle::SC_ScrollBarAddLine), QRect(0, length - 16, 16, 16));
    const QRect thumb = partRect(bar(), QStyle::SC_ScrollBarSlider);
    EXPECT_EQ(thumb.top(), 16); // At the top of a page that starts at the top.
    EXPECT_GE(thumb.height(), 8);
    EXPECT_EQ(hit({8, 8}), QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(hit(thumb.center()), QStyle::SC_ScrollBarSlider);
    EXPECT_EQ(hit({8, thumb.bottom() + 4}), QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(hit({8, length - 8}), QStyle::SC_ScrollBarAddLine);

    bar().setValue(bar().maximum());
    EXPECT_EQ(partRect(bar(), QStyle::SC_ScrollBarSlider).bottom(), length - 17);

    // A click on the lower button scrolls down by a step: the press found the button.
    bar().setValue(0);
    QTest::mouseClick(&bar(), Qt::LeftButton, {}, QPoint(8, length - 8));
    EXPECT_EQ(bar().value(), bar().singleStep());
}

TEST_F(HtmlViewTest, PressedButtonIsFlatWithItsGlyphMovedDownRight) {
    view.setDocumentHtml(pageWithRule(pageColorValues()));
    bar().setValue(bar().maximum() / 2);
    const QRect up = partRect(bar(), QStyle::SC_ScrollBarSubLine);
    const std::vector<QPoint> resting = pixelsInside(barImage(), up, pageColor(ColorRole::Arrow));

    QTest::mousePress(&bar(), Qt::LeftButton, {}, up.center());
    const QImage image = barImage();
    QTest::mouseRelease(&bar(), Qt::LeftButton, {}, up.center());

    expectSamples(
        image, {
                   {"frame left", {up.left(), up.center().y()}, pageColor(ColorRole::Shadow)},
                   {"frame top", {up.center().x(), up.top()}, pageColor(ColorRole::Shadow)},
                   {"frame bottom", {up.center().x(), up.bottom()}, pageColor(ColorRole::Shadow)},
                   {"no inner bevel", {up.left() + 1, up.center().y()}, pageColor(ColorRole::Face)},
               });
    std::vector<QPoint> moved = resting;
    for (QPoint& p : moved)
        p += QPoint(1, 1);
    EXPECT_EQ(pixelsInside(image, up, pageColor(ColorRole::Arrow)), moved);
}

TEST_F(HtmlViewTest, HorizontalBarIsDrawnTheSameWayAcross) {
    view.setLineWrapMode(QTextEdit::NoWrap);
    view.setDocumentHtml(pageWithRule(pageColorValues()) +
                         QStringLiteral("<p>%1</p>").arg(QString(200, QLatin1Char('x'))));
    QScrollBar& across = *view.horizontalScrollBar();
    ASSERT_GT(across.maximum(), 0);
    EXPECT_EQ(across.height(), 16);
    const QImage image = across.grab().toImage();
    const QRect thumb = partRect(across, QStyle::SC_ScrollBarSlider);
    const QRect left = partRect(across, QStyle::SC_ScrollBarSubLine);
    const QRect right = partRect(across, QStyle::SC_ScrollBarAddLine);
    expectSamples(image, {
                             {"thumb face", thumb.center(), pageColor(ColorRole::Face)},
                             {"thumb outer top",
                              {thumb.center().x(), thumb.top()},
                              pageColor(ColorRole::ThreeDLight)},
                             {"thumb outer right",
                              {thumb.right(), thumb.center().y()},
                              pageColor(ColorRole::DarkShadow)},
                             {"track", partRect(across, QStyle::SC_ScrollBarAddPage).center(),
                              pageColor(ColorRole::Track)},
                         });
    EXPECT_EQ(glyphProfile(pixelsInside(image, left, pageColor(ColorRole::Arrow)), false),
              (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(glyphProfile(pixelsInside(image, right, pageColor(ColorRole::Arrow)), false),
              (std::vector<int>{7, 5, 3, 1}));
}

TEST_F(HtmlViewTest, RebuiltPageKeepsItsScrollPosition) {
    view.setDocumentHtml(pageWithRule(pageColorValues()));
    EXPECT_EQ(bar().value(), 0);
    const int middle = bar().maximum() / 2;
    ASSERT_GT(middle, 0);
    bar().setValue(middle);

    std::array<QString, colorRoleCount> other = pageColorValues();
    other[roleIndex(ColorRole::Face)] = QStringLiteral("#123456");
    view.setDocumentHtml(pageWithRule(other));
    EXPECT_EQ(bar().value(), middle);
    EXPECT_EQ(colorAt(barImage(), partRect(bar(), QStyle::SC_ScrollBarSlider).center()),
              QStringLiteral("#123456"));

    // A shorter page keeps as much of the position as it can.
    view.setDocumentHtml(pageWithRule(other, 15));
    EXPECT_GT(bar().maximum(), 0);
    EXPECT_LT(bar().maximum(), middle);
    EXPECT_EQ(bar().value(), bar().maximum());

    // A file is a different page: it starts at the top.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("help.html"));
    writeFile(file, pageWithRule(pageColorValues()));
    view.loadDocument(file);
    EXPECT_EQ(bar().value(), 0);
}

TEST_F(HtmlViewTest, PicturesLoadFromPlainPathsAndStayDecoded) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    struct Case {
        const char* folder;
        bool afterHelpPage; // whose folder the view then resolves addresses against
    };
    for (const Case& c :
         {Case{"my pictures", false}, Case{"pics #1 here", false}, Case{"pics #2 here", true}}) {
        SCOPED_TRACE(c.folder);
        if (c.afterHelpPage) {
            writeFile(root.filePath(QStringLiteral("help.html")), QStringLiteral("<p>help</p>"));
            view.loadDocument(root.filePath(QStringLiteral("help.html")));
        }
        const QString folder = root.filePath(QString::fromLatin1(c.folder));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/dummy.png");
        QImage picture(40, 120, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(path, "PNG"));

        view.setDocumentHtml(QStringLiteral("<html><body><p>before</p><img src=\"") + path +
                             QStringLiteral("\"><p>after</p></body></html>"));
        EXPECT_GT(view.document()->documentLayout()->documentSize().height(), 120);
        // The document's own way to the picture finds it.
        EXPECT_EQ(view.document()
                      ->resource(QTextDocument::ImageResource, QUrl(path))
                      .value<QPixmap>()
                      .size(),
                  QSize(40, 120));

        const QVariant first = view.loadResource(QTextDocument::ImageResource, QUrl(path));
        ASSERT_EQ(first.userType(), QMetaType::QPixmap);
        EXPECT_EQ(first.value<QPixmap>().size(), QSize(40, 120));
        // The same file again is not decoded again.
        const QVariant second = view.loadResource(QTextDocument::ImageResource, QUrl(path));
        EXPECT_EQ(second.value<QPixmap>().cacheKey(), first.value<QPixmap>().cacheKey());

        // A changed file is.
        QImage replaced(30, 30, QImage::Format_RGB32);
        replaced.fill(Qt::yellow);
        ASSERT_TRUE(replaced.save(path, "PNG"));
        const QVariant third = view.loadResource(QTextDocument::ImageResource, QUrl(path));
        EXPECT_EQ(third.value<QPixmap>().size(), QSize(30, 30));
    }
    const QUrl missing(root.filePath(QStringLiteral("missing.png")));
    EXPECT_TRUE(view.loadResource(QTextDocument::ImageResource, missing).value<QPixmap>().isNull());
}

TEST_F(HtmlViewTest, HelpPagesResolveRelativeAddressesAndLinksGetTheirColours) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QStringLiteral("help #2 files"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage picture(20, 200, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(folder + QStringLiteral("/tall.png"), "PNG"));

    std::array<QString, colorRoleCount> second = allValues(QStringLiteral("#0000FF"));
    writeFile(folder + QStringLiteral("/first.html"),
              QStringLiteral("<html><head><style>body { ") + declarations(pageColorValues()) +
                  QStringLiteral("}</style></head><body><p><a href=\"second.html\">next "
                                 "page</a></p><img src=\"tall.png\">") +
                  lines(40) + QStringLiteral("</body></html>"));
    writeFile(folder + QStringLiteral("/second.html"),
              QStringLiteral("<html><body style=\"") + declarations(second) +
                  QStringLiteral("\">") + lines(40) + QStringLiteral("</body></html>"));

    view.loadDocument(folder + QStringLiteral("/first.html"));
    EXPECT_EQ(view.document()
                  ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("tall.png")))
                  .value<QPixmap>()
                  .size(),
              QSize(20, 200));
    EXPECT_EQ(view.scrollBarStyle().customColor(ColorRole::Face), pageColor(ColorRole::Face));

    // Follow the link the way a reader does.
    QTextCursor link = view.document()->find(QStringLiteral("next page"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 2);
    const QPoint at = view.cursorRect(link).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(view.source().toLocalFile().endsWith(QStringLiteral("second.html")));
    EXPECT_EQ(view.scrollBarStyle().customColor(ColorRole::Face), QColor(0, 0, 0xFF));
    EXPECT_EQ(colorAt(barImage(), partRect(bar(), QStyle::SC_ScrollBarSlider).center()),
              QStringLiteral("#0000ff"));

    // Back in the history, the first page's colours return.
    view.backward();
    EXPECT_TRUE(view.source().toLocalFile().endsWith(QStringLiteral("first.html")));
    EXPECT_EQ(view.scrollBarStyle().customColor(ColorRole::Face), pageColor(ColorRole::Face));

    // Reading another page's text, as a caller may, does not colour the page shown, not even
    // when the reader then jumps within it.
    view.loadResource(QTextDocument::HtmlResource,
                      QUrl::fromLocalFile(folder + QStringLiteral("/second.html")));
    view.setSource(QUrl(QStringLiteral("#top")));
    EXPECT_EQ(view.scrollBarStyle().customColor(ColorRole::Face), pageColor(ColorRole::Face));

    // A page without any of the colours leaves none of the old ones behind.
    const QString plain = folder + QStringLiteral("/plain.html");
    writeFile(plain, QStringLiteral("<p>plain</p>"));
    view.loadDocument(plain);
    for (ColorRole role : allColorRoles)
        EXPECT_FALSE(view.scrollBarStyle().customColor(role).has_value());

    // Loading the same file again reads it again.
    writeFile(plain, pageWithRule(second));
    view.loadDocument(plain);
    EXPECT_EQ(view.scrollBarStyle().customColor(ColorRole::Face), QColor(0, 0, 0xFF));
}

} // namespace
} // namespace brisvane
