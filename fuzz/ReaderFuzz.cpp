// The page reader under libFuzzer: any bytes, read as a page or a style sheet, give colours
// and notes without a crash, undefined behaviour or a hang, and every note names a line of
// the text and fits on one line.

#include "import/CssColor.h"
#include "import/ScrollbarColorReader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ScrollbarColors read = readScrollbarColors(text);
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    for (const SkippedColor& skipped : read.skipped) {
        const std::string said = describeSkipped(skipped, "none");
        if (skipped.line < 1 || skipped.line > lines || said.find('\n') != std::string::npos) {
            std::fprintf(stderr, "bad note at line %d of %d: %s\n", skipped.line, lines,
                         said.c_str());
            std::abort();
        }
    }
    readCssColor(text.substr(0, 200));
    return 0;
}
