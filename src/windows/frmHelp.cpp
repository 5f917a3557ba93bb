#include "windows/frmHelp.h"

#include "platform/ByteText.h"
#include "platform/HtmlView.h"
#include "platform/PlatformUi.h"
#include "platform/Twips.h"
#include "text/PathSeparator.h"
#include "windows/AppState.h"
#include "windows/ProgramFont.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QTextBlock>
#include <QTreeWidget>

namespace brisvane {

namespace {

struct HelpNode {
    const char* text;
    const char* key; // the page's file name
};

constexpr HelpNode helpNodes[] = {
    {QT_TRANSLATE_NOOP("brisvane::frmHelp", "Brisvane"), "index.htm"},
    {QT_TRANSLATE_NOOP("brisvane::frmHelp", "Modify Colors"), "mod.htm"},
    {QT_TRANSLATE_NOOP("brisvane::frmHelp", "Tutorial"), "tut.htm"},
    {QT_TRANSLATE_NOOP("brisvane::frmHelp", "Quelmark Inc."), "Quelmark.htm"},
};

// The picture of every node: a small page with a folded corner and lines of text.
QIcon pageIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QPolygon page(
        {QPoint(2, 0), QPoint(10, 0), QPoint(14, 4), QPoint(14, 15), QPoint(2, 15)});
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.drawLine(10, 0, 10, 4);
    p.drawLine(10, 4, 14, 4);
    p.setPen(QColor(0x00, 0x00, 0xC0));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(4, y, 12, y);
    return QIcon(pixmap);
}

} // namespace

frmHelp::frmHelp(AppState& state, PlatformUi& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui) {
    setWindowTitle(tr("Brisvane | Documentation"));
    setFont(programFont());
    setFixedSize(twipsToPixels(9585), twipsToPixels(5745));

    auto* frame1 = new QGroupBox(this);
    frame1->setGeometry(twipsRect(0, -90, 2280, 495));
    auto* label1 = new QLabel(tr("Contents"), frame1);
    label1->setFont(programFont(true));
    label1->setGeometry(twipsRect(705, 195, 855, 240));

    m_TreeView1 = new QTreeWidget(this);
    m_TreeView1->setObjectName("TreeView1");
    m_TreeView1->setGeometry(twipsRect(-15, 390, 2295, 5340));
    m_TreeView1->setHeaderHidden(true);
    m_TreeView1->setRootIsDecorated(false);
    m_TreeView1->setAccessibleName(tr("Contents"));
    connect(m_TreeView1, &QTreeWidget::itemClicked, this, &frmHelp::TreeView1_NodeClick);
    connect(m_TreeView1, &QTreeWidget::itemActivated, this, &frmHelp::TreeView1_NodeClick);
    // Moving through the tree with the keys shows each page as its node is reached.
    connect(m_TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { TreeView1_NodeClick(node); });

    m_DHTMLEdit1 = new HtmlView(this);
    m_DHTMLEdit1->setObjectName("DHTMLEdit1");
    m_DHTMLEdit1->setGeometry(twipsRect(2295, 0, 7290, 5715));
    m_DHTMLEdit1->setAccessibleName(tr("Help page"));
    m_TreeView1->setFocus();
    connect(m_DHTMLEdit1, &HtmlView::externalLinkActivated, this,
            [this](const QUrl& url) { m_ui.openWithShell(url.toString()); });
    connect(m_DHTMLEdit1, &QTextBrowser::sourceChanged, this, &frmHelp::markShownPage);

    Form_Load();
}

void frmHelp::Form_Load() {
    const QIcon picture = pageIcon();
    for (const HelpNode& node : helpNodes) {
        auto* item = new QTreeWidgetItem(m_TreeView1, {tr(node.text)});
        item->setData(0, Qt::UserRole, QString::fromLatin1(node.key));
        item->setIcon(0, picture);
    }
    showPage(m_state.helpPage.empty() ? QStringLiteral("index.htm")
                                      : QString::fromStdString(m_state.helpPage));
}

void frmHelp::showPage(const QString& fileName) {
    const std::string folder = m_ui.folders().resources;
    if (folder.empty()) {
        m_DHTMLEdit1->setDocumentHtml(
            QStringLiteral("<p>%1</p>")
                .arg(tr("The help pages lie beside the program, whose folder could not be found.")
                         .toHtmlEscaped()));
        return;
    }
    m_DHTMLEdit1->loadDocument(joinPath(joinPath(folder, "Help"), fileName.toStdString()));
    noteFolders(); // a page shown again comes back without it
}

void frmHelp::noteFolders() {
    // The about page ends with where the projects are kept and where these pages come from.
    const QString lines = textOfBytes(describeFolders(m_ui.folders())).trimmed();
    QTextDocument* page = m_DHTMLEdit1->document();
    if (m_DHTMLEdit1->source().fileName() != QLatin1String("index.htm") ||
        page->lastBlock().text().endsWith(lines.section(QLatin1Char('\n'), -1)))
        return;
    m_DHTMLEdit1->append(
        QStringLiteral("<p><small>%1</small></p>")
            .arg(lines.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))));
}

void frmHelp::markShownPage(const QUrl& page) {
    // The marked node names the page shown, however it came: a node, a link, "More info.".
    QTreeWidgetItem* shown = nullptr;
    for (int i = 0; i < m_TreeView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = m_TreeView1->topLevelItem(i);
        if (node->data(0, Qt::UserRole).toString().compare(page.fileName(), Qt::CaseInsensitive) ==
            0)
            shown = node;
    }
    noteFolders();
    const QSignalBlocker quiet(m_TreeView1);
    m_TreeView1->setCurrentItem(shown);
    if (!shown)
        m_TreeView1->clearSelection();
    m_TreeView1->viewport()->update();
}

void frmHelp::TreeView1_NodeClick(QTreeWidgetItem* node) {
    if (node && m_TreeView1->currentItem())
        showPage(node->data(0, Qt::UserRole).toString());
}

} // namespace brisvane
