#pragma once

#include "windows/ClickTracker.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace brisvane {

struct AppState;
class LabelButton;
class LabelButtonGroup;
class PlatformUi;
class frmMain;

// The Create/Open window: a "New" tab to name a new project and an "Existing" tab with the
// list of projects in data.ini. Every way out closes it; each showing is a fresh window.
class frmOpen : public QDialog {
    Q_OBJECT

public:
    frmOpen(AppState& state, PlatformUi& ui, frmMain& mainWindow);

    // What the callers do before they show the window.
    void hideOpenPanel();
    void chooseExisting();

    QWidget* fmeOpenPnl() const { return m_fmeOpenPnl; }
    QWidget* picNew() const { return m_picNew; }
    QWidget* picOpen() const { return m_picOpen; }
    QLabel* lblNew() const { return m_lblNew; }
    QLabel* lblOpen() const { return m_lblOpen; }
    QLineEdit* txtName() const { return m_txtName; }
    QTreeWidget* lvOpen() const { return m_lvOpen; }
    LabelButton* lblReset() const { return m_lblReset; }
    LabelButton* lblExit() const { return m_lblExit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTabs();
    void Form_Load();
    void chooseNew();
    void lblReset_Click();
    void lvOpen_DblClick(QTreeWidgetItem* row);

    AppState& m_state;
    PlatformUi& m_ui;
    frmMain& m_main;
    QWidget* m_picNew = nullptr;
    QWidget* m_picOpen = nullptr;
    QLabel* m_lblNew = nullptr;
    QLabel* m_lblOpen = nullptr;
    QWidget* m_fmeNewPnl = nullptr;
    QWidget* m_fmeOpenPnl = nullptr;
    QLineEdit* m_txtName = nullptr;
    QTreeWidget* m_lvOpen = nullptr;
    LabelButton* m_lblReset = nullptr;
    LabelButton* m_lblExit = nullptr;
    LabelButtonGroup* m_lighting = nullptr;
    ClickTracker m_tabClick;
    // A project was made or opened: nothing more may happen in this window.
    bool m_finished = false;
};

} // namespace brisvane
