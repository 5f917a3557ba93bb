#pragma once

#include <QDialog>

class QTreeWidget;
class QUrl;
class QTreeWidgetItem;

namespace brisvane {

struct AppState;
class HtmlView;
class PlatformUi;

// The help window: the tree of help pages at the left, the page at the right. It loads
// afresh each time it is shown after being closed.
class frmHelp : public QDialog {
    Q_OBJECT

public:
    frmHelp(AppState& state, PlatformUi& ui, QWidget* parent = nullptr);

    // Shows one page of the help folder, by file name ("mod.htm").
    void showPage(const QString& fileName);
    void noteFolders();

private:
    void Form_Load();
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void markShownPage(const QUrl& page);

    AppState& m_state;
    PlatformUi& m_ui;
    QTreeWidget* m_TreeView1 = nullptr;
    // The help page view (the old design's HTML control).
    HtmlView* m_DHTMLEdit1 = nullptr;
};

} // namespace brisvane
