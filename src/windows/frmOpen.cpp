#include "windows/frmOpen.h"

#include "platform/ByteText.h"
#include "platform/PlatformUi.h"
#include "platform/Twips.h"
#include "store/ProjectStore.h"
#include "text/Ascii.h"
#include "windows/LabelButton.h"
#include "windows/LabelButtonGroup.h"
#include "windows/NameMessages.h"
#include "windows/ProgramFont.h"

#include <QAbstractTableModel>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTreeView>

namespace brisvane {

namespace {

QFrame* addFrame(QWidget* parent, QAnyStringView name, const QRect& rect) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(rect);
    return frame;
}

QWidget* addTabPicture(QWidget* parent, QAnyStringView name, const QString& tip) {
    auto* picture = new QWidget(parent);
    picture->setObjectName(name);
    picture->setGeometry(twipsRect(30, 120, 795, 270));
    picture->setAutoFillBackground(true);
    picture->setToolTip(tip);
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

void setBackColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

// The picture of every project row: a small classic scrollbar.
QIcon projectIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(4, 0, 8, 16, QColor(0xE0, 0xE0, 0xE0));
    for (const QRect& r : {QRect(4, 0, 8, 4), QRect(4, 6, 8, 5), QRect(4, 12, 8, 4)}) {
        p.fillRect(r, QColor(0xC0, 0xC0, 0xC0));
        p.setPen(Qt::white);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    p.fillRect(7, 1, 2, 1, Qt::black);
    p.fillRect(6, 2, 4, 1, Qt::black);
    p.fillRect(6, 13, 4, 1, Qt::black);
    p.fillRect(7, 14, 2, 1, Qt::black);
    return QIcon(pixmap);
}

// The list marks no row before the user chooses one: Qt would give its first row the focus
// frame, which looks chosen while Ok opens nothing. The first arrow key chooses the first row.
class ProjectList : public QTreeView {
public:
    using QTreeView::QTreeView;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QTreeView::focusInEvent(event);
        if (selectionModel() && !selectionModel()->hasSelection())
            selectionModel()->clearCurrentIndex();
    }
};

// The rows of the Existing tab: name, time and date as the file holds them. The view asks
// only for the rows it shows, so ten thousand projects cost no more to show than ten.
class ProjectRows : public QAbstractTableModel {
public:
    ProjectRows(std::vector<ProjectRow> rows, QObject* parent)
        : QAbstractTableModel(parent), m_rows(std::move(rows)), m_icon(projectIcon()) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override {
        const ProjectRow& row = m_rows[static_cast<std::size_t>(index.row())];
        if (role == Qt::DisplayRole)
            return textOfBytes(index.column() == 0   ? row.name
                               : index.column() == 1 ? row.time
                                                     : row.date);
        if (role == Qt::DecorationRole && index.column() == 0)
            return m_icon;
        // The name is opened by its bytes in the file, which the shown text need not keep.
        if (role == Qt::UserRole)
            return QByteArray::fromStdString(row.name);
        return {};
    }

private:
    std::vector<ProjectRow> m_rows;
    QIcon m_icon;
};

} // namespace

frmOpen::frmOpen(PlatformUi& ui, ProjectStore& store) : m_ui(ui), m_store(store) {
    setWindowTitle(tr("Create/Open Scrollbar"));
    setFont(programFont());
    setFixedSize(twipsToPixels(4695), twipsToPixels(2610));
    m_lighting = new LabelButtonGroup(this);
    buildTabs();

    m_fmeNewPnl = addFrame(this, "fmeNewPnl", twipsRect(0, 225, 4695, 1845));
    auto* label1 = new QLabel(tr("Project Name:"), m_fmeNewPnl);
    // Wide enough for the caption in the stand-in font too, up to where the field begins.
    label1->setGeometry(twipsRect(240, 540, 1185, 270));
    m_txtName = new QLineEdit(tr("My Colorful Scrollbar"), m_fmeNewPnl);
    m_txtName->setObjectName("txtName");
    m_txtName->setGeometry(twipsRect(1440, 525, 3015, 285));
    label1->setBuddy(m_txtName);
    m_txtName->setAccessibleName(tr("Project Name"));

    // Drawn over the New panel, so that exactly one of the two is seen.
    m_fmeOpenPnl = addFrame(this, "fmeOpenPnl", twipsRect(0, 225, 4695, 1845));
    m_lvOpen = new ProjectList(m_fmeOpenPnl);
    m_lvOpen->setObjectName("lvOpen");
    m_lvOpen->setGeometry(twipsRect(30, 120, 4635, 1695));
    m_lvOpen->setHeaderHidden(true);
    m_lvOpen->setUniformRowHeights(true);
    m_lvOpen->setRootIsDecorated(false);
    m_lvOpen->setAllColumnsShowFocus(true);
    m_lvOpen->setAccessibleName(tr("Existing Projects"));
    // Enter on a row comes to keyPressEvent as Ok; the list's own activation is not used, as
    // it would open a row twice on a double-click.
    connect(m_lvOpen, &QTreeView::doubleClicked, this, &frmOpen::lvOpen_DblClick);

    // lblReset is the window's Ok button.
    m_lblReset =
        new LabelButton(tr("Ok"), twipsRect(2610, 2235, 885, 255), twipsRect(2610, 2190, 885, 315),
                        twipsRect(2625, 2205, 870, 300), this);
    m_lblExit =
        new LabelButton(tr("Cancel"), twipsRect(3675, 2235, 885, 270),
                        twipsRect(3675, 2190, 885, 315), twipsRect(3690, 2205, 870, 300), this);
    m_lblReset->setObjectName("lblReset");
    m_lblExit->setObjectName("lblExit");
    for (LabelButton* b : {m_lblReset, m_lblExit}) {
        b->setCursor(Qt::PointingHandCursor);
        m_lighting->add(b);
    }
    connect(m_lblReset, &LabelButton::clicked, this, &frmOpen::lblReset_Click);
    connect(m_lblExit, &LabelButton::clicked, this, &QDialog::reject);

    Form_Load();
}

void frmOpen::buildTabs() {
    QFrame* fmeNew = addFrame(this, "fmeNew", twipsRect(0, -90, 870, 435));
    m_picNew = addTabPicture(fmeNew, "picNew", tr("Create a new ScrollBar"));
    m_lblNew = new LabelButton(tr("New"), twipsRect(210, 30, 390, 195), m_picNew);
    m_lblNew->setObjectName("lblNew");
    QFrame* fmeOpen = addFrame(this, "fmeOpen", twipsRect(870, -90, 870, 435));
    m_picOpen = addTabPicture(fmeOpen, "picOpen", tr("Open an existing Scrollbar"));
    m_lblOpen = new LabelButton(tr("Existing"), twipsRect(60, 30, 645, 195), m_picOpen);
    m_lblOpen->setObjectName("lblOpen");
    // The mouse reaches the tabs through the event filter below; the keyboard and assistive
    // technology through the captions, which are page tabs.
    for (LabelButton* tab : {m_lblNew, m_lblOpen}) {
        tab->setAccessibleRole(QAccessible::PageTab);
        tab->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    connect(m_lblNew, &LabelButton::clicked, this, &frmOpen::chooseNew);
    connect(m_lblOpen, &LabelButton::clicked, this, &frmOpen::chooseExisting);
    for (QWidget* tab : {static_cast<QWidget*>(m_picNew), m_picOpen,
                         static_cast<QWidget*>(m_lblNew), static_cast<QWidget*>(m_lblOpen)}) {
        tab->setToolTip(tab == m_lblNew || tab == m_picNew ? m_picNew->toolTip()
                                                           : m_picOpen->toolTip());
        tab->setCursor(Qt::PointingHandCursor);
        tab->installEventFilter(this);
    }
    setBackColor(m_picNew, Qt::white);
    setBackColor(m_picOpen, palette().color(QPalette::Button));
}

void frmOpen::Form_Load() {
    m_txtName->selectAll();
    m_txtName->setFocus();
}

void frmOpen::hideOpenPanel() {
    m_fmeOpenPnl->hide();
}

void frmOpen::chooseNew() {
    m_fmeOpenPnl->hide();
    setBackColor(m_picNew, Qt::white);
    setBackColor(m_picOpen, palette().color(QPalette::Button));
    m_txtName->setFocus();
}

void frmOpen::chooseExisting() {
    // The list is read when the tab is first shown: the window itself opens as fast with
    // ten thousand projects as with ten.
    if (!m_listed) {
        m_listed = true;
        m_lvOpen->setModel(new ProjectRows(m_store.listProjects(), m_lvOpen));
        m_lvOpen->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        m_lvOpen->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        m_lvOpen->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
        m_lvOpen->header()->setStretchLastSection(false);
        // The time and date columns fit what is in view, not every row of a long list.
        m_lvOpen->header()->setResizeContentsPrecision(0);
        if (const Outcome read = m_store.lastRead(); !read)
            m_ui.showMessage(tr("The Projects cannot be listed: %1.")
                                 .arg(textOfBytes(ascii::oneLine(read.why()))),
                             PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
    }
    m_fmeOpenPnl->show();
    setBackColor(m_picNew, palette().color(QPalette::Button));
    setBackColor(m_picOpen, Qt::white);
    m_lvOpen->setFocus();
}

bool frmOpen::eventFilter(QObject* watched, QEvent* event) {
    const bool newTab = watched == m_picNew || watched == m_lblNew;
    const bool openTab = watched == m_picOpen || watched == m_lblOpen;
    if (!newTab && !openTab)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        m_tabClick.press(static_cast<QMouseEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (m_tabClick.release(static_cast<QMouseEvent*>(event), static_cast<QWidget*>(watched))) {
            if (newTab)
                chooseNew();
            else
                chooseExisting();
        }
        return true;
    }
    return false;
}

void frmOpen::keyPressEvent(QKeyEvent* event) {
    // The keyboard does what the mouse does: Enter is Ok, Escape Cancel, and Ctrl+Tab or
    // Ctrl+Page Up/Down switch the tabs.
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        lblReset_Click();
    } else if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
                        event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp)) {
        if (!m_fmeOpenPnl->isHidden())
            chooseNew();
        else
            chooseExisting();
    } else {
        QDialog::keyPressEvent(event);
    }
}

void frmOpen::lblReset_Click() {
    m_lblReset->setLit(false);
    if (m_finished)
        return;
    if (!m_fmeOpenPnl->isHidden()) {
        // With no row chosen (an empty list, say) there is nothing to open.
        lvOpen_DblClick(m_lvOpen->currentIndex());
        return;
    }
    const std::string name = m_txtName->text().toStdString();
    if (name.empty()) {
        m_ui.showMessage(tr("You must type in a Project Name."), PlatformUi::Buttons::Ok,
                         PlatformUi::Icon::Critical, tr("ERROR"));
        return;
    }
    const NameCheck check = m_store.checkProjectName(name);
    if (check != NameCheck::Free) {
        showNameRefused(m_ui, name, check);
        return;
    }
    emit createRequested(name);
}

void frmOpen::finish() {
    m_finished = true;
    accept();
}

void frmOpen::lvOpen_DblClick(const QModelIndex& row) {
    if (m_finished || !row.isValid() || !m_lvOpen->selectionModel()->isRowSelected(row.row()))
        return;
    m_finished = true;
    emit openRequested(row.siblingAtColumn(0).data(Qt::UserRole).toByteArray().toStdString());
    accept();
}

} // namespace brisvane
