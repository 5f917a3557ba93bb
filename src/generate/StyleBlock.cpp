#include "generate/StyleBlock.h"

namespace brisvane {

void appendClassicBodyRule(std::string& out, const ScrollbarScheme& scheme,
                           const BlockReach& reach) {
    // Internet Explorer takes the page's own bar from the body rule.
    out += "    ";
    out += reach.kind() == BlockReach::Kind::Selector ? reach.selectors() : "body";
    out += "\r\n    {\r\n";
    for (ColorRole role : allColorRoles) {
        out += "        ";
        out += cssPropertyName(role);
        out += ':';
        out += scheme.color(role);
        out += ";\r\n";
    }
    out += "    }\r\n";
}

std::string buildStyleBlock(const ScrollbarScheme& scheme, const BlockReach& reach) {
    std::string block;
    block.reserve(512 + reach.selectors().size());
    block += "<style type=\"text/css\">\r\n<!--\r\n";
    appendClassicBodyRule(block, scheme, reach);
    block += "-->\r\n</style>";
    return block;
}

} // namespace brisvane
