#include "generate/PreviewPage.h"
#include "generate/StyleBlock.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

std::string styleBlockOf(const std::vector<std::string>& c) {
    return "<style type=\"text/css\">\r\n"
           "<!--\r\n"
           "    body\r\n"
           "    {\r\n"
           "        scrollbar-face-color:" +
           c[0] +
           ";\r\n"
           "        scrollbar-highlight-color:" +
           c[1] +
           ";\r\n"
           "        scrollbar-3dlight-color:" +
           c[2] +
           ";\r\n"
           "        scrollbar-shadow-color:" +
           c[3] +
           ";\r\n"
           "        scrollbar-darkshadow-color:" +
           c[4] +
           ";\r\n"
           "        scrollbar-track-color:" +
           c[5] +
           ";\r\n"
           "        scrollbar-arrow-color:" +
           c[6] +
           ";\r\n"
           "    }\r\n"
           "-->\r\n"
           "</style>";
}

std::string previewPageOf(const std::vector<std::string>& c, const std::string& image) {
    return "<html>\r\n"
           "<head>\r\n"
           "<style type=\"text/css\">\r\n"
           "<!--\r\n"
           "body {\r\n"
           "scrollbar-face-color:" +
           c[0] +
           ";\r\n"
           "scrollbar-highlight-color:" +
           c[1] +
           ";\r\n"
           "scrollbar-3dlight-color:" +
           c[2] +
           ";\r\n"
           "scrollbar-shadow-color:" +
           c[3] +
           ";\r\n"
           "scrollbar-darkshadow-color:" +
           c[4] +
           ";\r\n"
           "scrollbar-track-color:" +
           c[5] +
           ";\r\n"
           "scrollbar-arrow-color:" +
           c[6] +
           ";\r\n"
           "}\r\n"
           "-->\r\n"
           "</style>\r\n"
           "</head>\r\n"
           "<body>\r\n"
           "<P><font face=Verdana size=2>Hello World!</font></P>\r\n"
           "<P><font face=Verdana size=2>Look at my Colorful Scrollbars.</font></P>\r\n"
           "<img src=\"" +
           image +
           "\"><P>&nbsp;</P>\r\n"
           "<P>&nbsp;</P>\r\n"
           "<P>&nbsp;</P>\r\n"
           "<P>&nbsp;</P>\r\n"
           "</body>\r\n"
           "</html>";
}

const std::vector<std::string> startColors(7, "#808080");
const std::vector<std::string> defaultColors{"#C0C0C0", "#FFFFFF", "#C0C0C0", "#808080",
                                             "#404040", "#E0E0E0", "#000000"};

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

TEST(StyleBlock, ExactBytesForTheStartAndDefaultColours) {
    EXPECT_EQ(buildStyleBlock(startScheme), styleBlockOf(startColors));
    EXPECT_EQ(buildStyleBlock(defaultScheme), styleBlockOf(defaultColors));
    const std::string block = buildStyleBlock(defaultScheme);
    EXPECT_EQ(count(block, "\r\n"), 13u);
    EXPECT_EQ(count(block, "\n"), 13u);
}

TEST(StyleBlock, ColourTextsGoInUnchecked) {
    ScrollbarScheme scheme = startScheme;
    scheme.setColor(ColorRole::Shadow, "<not_set>");
    scheme.setColor(ColorRole::DarkShadow, "#f");
    std::vector<std::string> expected = startColors;
    expected[3] = "<not_set>";
    expected[4] = "#f";
    EXPECT_EQ(buildStyleBlock(scheme), styleBlockOf(expected));
}

TEST(PreviewPage, ExactBytesForTheStartAndDefaultColours) {
    EXPECT_EQ(buildPreviewPage(startScheme, "/opt/Brisvane"),
              previewPageOf(startColors, "/opt/Brisvane/dummy.jpg"));
    EXPECT_EQ(buildPreviewPage(defaultScheme, "/home/ann/My Tools"),
              previewPageOf(defaultColors, "/home/ann/My Tools/dummy.jpg"));
    const std::string page = buildPreviewPage(startScheme, "/opt/Brisvane");
    EXPECT_EQ(count(page, "\r\n"), 24u);
    EXPECT_EQ(count(page, "\n"), 24u);
    EXPECT_EQ(count(page, ":#808080;\r\n"), 7u);
}

TEST(PreviewPage, FolderAtTheRootGetsNoSecondSeparator) {
    EXPECT_NE(buildPreviewPage(startScheme, "/").find("<img src=\"/dummy.jpg\">"),
              std::string::npos);
}

} // namespace
} // namespace brisvane
