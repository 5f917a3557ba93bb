#pragma once

#include <QProxyStyle>

namespace brisvane {

// The application's style: the desktop's own (or the one asked for with -style), except that
// a tool bar's and a menu bar's extension-button icons are made when first drawn. Qt's menu
// bar makes its overflow button's icon as it is made; finding that icon picture's format loads
// every picture reader Qt has, a cost at every start for a button that shows only when the
// menu bar is too narrow for its menus.
class ProgramStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes ProgramStyle the application's style; after the QApplication, before any window.
void installProgramStyle();

} // namespace brisvane
