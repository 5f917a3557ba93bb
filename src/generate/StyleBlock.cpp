#include "generate/StyleBlock.h"

namespace brisvane {

void appendClassicBodyRule(std::string& out, const ScrollbarScheme& scheme) {
    out += "    body\r\n    {\r\n";
    for (ColorRole role : allColorRoles) {
        out += "        ";
        out += cssPropertyName(role);
        out += ':';
        out += scheme.color(role);
        out += ";\r\n";
    }
    out += "    }\r\n";
}

std::string buildStyleBlock(const ScrollbarScheme& scheme) {
    std::string block;
    block.reserve(512);
    block += "<style type=\"text/css\">\r\n<!--\r\n";
    appendClassicBodyRule(block, scheme);
    block += "-->\r\n</style>";
    return block;
}

} // namespace brisvane
