#pragma once

#include "windows/ClickTracker.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;

namespace brisvane {

class LabelButton;
class LabelButtonGroup;
class PlatformUi;
class ProjectStore;

// The Create/Open window: a "New" tab to name a new project and an "Existing" tab with the
// list of projects in data.ini. Every way out closes it; each showing is a fresh window.
class frmOpen : public QDialog {
    Q_OBJECT

public:
    frmOpen(PlatformUi& ui, ProjectStore& store);

    // What the callers do before they show the window.
    void hideOpenPanel();
    void chooseExisting();
    // Closes the window once what it asked for has been done.
    void finish();

signals:
    // Ok on the New tab with a name the file can take; the receiver calls finish() once the
    // project exists, else the window stays for another name.
    void createRequested(const std::string& name);
    // A project chosen on the Existing tab, by its bytes in the file; the window then closes.
    void openRequested(const std::string& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTabs();
    void Form_Load();
    void chooseNew();
    void lblReset_Click();
    void lvOpen_DblClick(const QModelIndex& row);

    PlatformUi& m_ui;
    ProjectStore& m_store;
    QWidget* m_picNew = nullptr;
    QWidget* m_picOpen = nullptr;
    LabelButton* m_lblNew = nullptr;
    LabelButton* m_lblOpen = nullptr;
    QWidget* m_fmeNewPnl = nullptr;
    QWidget* m_fmeOpenPnl = nullptr;
    QLineEdit* m_txtName = nullptr;
    QTreeView* m_lvOpen = nullptr;
    LabelButton* m_lblReset = nullptr;
    LabelButton* m_lblExit = nullptr;
    LabelButtonGroup* m_lighting = nullptr;
    ClickTracker m_tabClick;
    // A project was made or opened: nothing more may happen in this window.
    bool m_finished = false;
    // The list has been read into the Existing tab.
    bool m_listed = false;
};

} // namespace brisvane
