#include "platform/LooseInlineContent.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

TEST(LooseInlineContent, RunsAfterAClosedParagraphGetABlockOfTheirOwn) {
    const std::pair<const char*, const char*> cases[] = {
        // The sample page: a picture straight after a paragraph, then more paragraphs.
        {"<P>a</P>\r\n<img src=\"/x/dummy.jpg\"><P>&nbsp;</P>",
         "<P>a</P>\r\n<div><img src=\"/x/dummy.jpg\"></div><P>&nbsp;</P>"},
        {"<p>a</p> loose <b>text</b></body>", "<p>a</p> <div>loose <b>text</b></div></body>"},
        // Already in blocks, or nothing after: unchanged.
        {"<P>a</P>\r\n<P>b</P>", "<P>a</P>\r\n<P>b</P>"},
        {"<p>a</p><pre>x</pre>", "<p>a</p><pre>x</pre>"},
        {"<p>a</p><preview>x", "<p>a</p><div><preview>x</div>"},
    };
    for (const auto& [in, out] : cases) {
        SCOPED_TRACE(in);
        EXPECT_EQ(wrapLooseInlineContent(in), out);
    }
}

} // namespace
} // namespace brisvane
