#include "generate/StyleBlock.h"

namespace brisvane {

std::string buildStyleBlock(const ScrollbarScheme& scheme) {
    std::string block;
    block.reserve(512);
    block += "<style type=\"text/css\">\r\n<!--\r\n    body\r\n    {\r\n";
    for (ColorRole role : allColorRoles) {
        block += "        ";
        block += cssPropertyName(role);
        block += ':';
        block += scheme.color(role);
        block += ";\r\n";
    }
    block += "    }\r\n-->\r\n</style>";
    return block;
}

} // namespace brisvane
