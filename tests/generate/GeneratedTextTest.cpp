#include "generate/PreviewPage.h"
#include "generate/StyleBlock.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

// The goldens are written with plain line breaks; the generated texts end each line with
// CR LF and the last one with nothing.
std::string crlf(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

TEST(StyleBlock, ExactBytesOfTheDefaultColours) {
    EXPECT_EQ(buildStyleBlock(defaultScheme), crlf(R"(<style type="text/css">
<!--
    body
    {
        scrollbar-face-color:#C0C0C0;
        scrollbar-highlight-color:#FFFFFF;
        scrollbar-3dlight-color:#C0C0C0;
        scrollbar-shadow-color:#808080;
        scrollbar-darkshadow-color:#404040;
        scrollbar-track-color:#E0E0E0;
        scrollbar-arrow-color:#000000;
    }
-->
</style>)"));
}

TEST(PreviewPage, ExactBytesWithEachRoleInItsPlaceAndTextsUnchecked) {
    ScrollbarScheme scheme;
    const char* texts[] = {"#111111", "#222222", "#333333", "<not_set>", "#f", "#666666", "#7"};
    for (ColorRole role : allColorRoles)
        scheme.setColor(role, texts[roleIndex(role)]);
    EXPECT_EQ(buildPreviewPage(scheme, "/home/ann/My Tools"), crlf(R"(<html>
<head>
<style type="text/css">
<!--
body {
scrollbar-face-color:#111111;
scrollbar-highlight-color:#222222;
scrollbar-3dlight-color:#333333;
scrollbar-shadow-color:<not_set>;
scrollbar-darkshadow-color:#f;
scrollbar-track-color:#666666;
scrollbar-arrow-color:#7;
}
-->
</style>
</head>
<body>
<P><font face=Verdana size=2>Hello World!</font></P>
<P><font face=Verdana size=2>Look at my Colorful Scrollbars.</font></P>
<img src="/home/ann/My Tools/dummy.jpg"><P>&nbsp;</P>
<P>&nbsp;</P>
<P>&nbsp;</P>
<P>&nbsp;</P>
</body>
</html>)"));
    // A folder at the root already ends in its separator.
    EXPECT_NE(buildPreviewPage(scheme, "/").find("<img src=\"/dummy.jpg\">"), std::string::npos);
}

} // namespace
} // namespace brisvane
