#include "generate/PreviewPage.h"

#include "text/PathSeparator.h"

namespace brisvane {

std::string buildPreviewPage(const ScrollbarScheme& scheme, std::string_view programFolder) {
    std::string page;
    page.reserve(1024 + programFolder.size());
    page += "<html>\r\n<head>\r\n<style type=\"text/css\">\r\n<!--\r\nbody {\r\n";
    for (ColorRole role : allColorRoles) {
        page += cssPropertyName(role);
        page += ':';
        page += scheme.color(role);
        page += ";\r\n";
    }
    page += "}\r\n-->\r\n</style>\r\n</head>\r\n<body>\r\n"
            "<P><font face=Verdana size=2>Hello World!</font></P>\r\n"
            "<P><font face=Verdana size=2>Look at my Colorful Scrollbars.</font></P>\r\n"
            "<img src=\"";
    // The path is attribute text: "&" and '"' in the folder's name must not end the value or
    // start an entity. An unknown folder (empty) names no folder, rather than the root.
    for (char c : joinPath(programFolder, "dummy.jpg")) {
        if (c == '&')
            page += "&amp;";
        else if (c == '"')
            page += "&quot;";
        else
            page += c;
    }
    page += "\"><P>&nbsp;</P>\r\n"
            "<P>&nbsp;</P>\r\n<P>&nbsp;</P>\r\n<P>&nbsp;</P>\r\n</body>\r\n</html>";
    return page;
}

std::string buildBrowserPage(std::string_view styleBlock, bool classic) {
    std::string page = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
                       "<title>Brisvane Preview</title>\r\n";
    page += styleBlock;
    page += "\r\n</head>\r\n<body>\r\n";
    if (classic)
        page += "<p style=\"background:#FFFFC0;border:1px solid #808080;padding:6px;"
                "font:13px Verdana,sans-serif\">These colours show only in Internet Explorer "
                "5.5 and later. To see them here, choose <b>Every Browser</b> in the code window "
                "and preview again.</p>\r\n";
    page += "<div style=\"width:200vw;height:300vh\">\r\n"
            "<p><font face=Verdana size=2>Hello World!</font></p>\r\n"
            "<p><font face=Verdana size=2>Look at my Colorful Scrollbars.</font></p>\r\n"
            "</div>\r\n</body>\r\n</html>\r\n";
    return page;
}

} // namespace brisvane
