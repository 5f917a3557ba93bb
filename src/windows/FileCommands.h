#pragma once

#include "import/ScrollbarColorReader.h"
#include "scheme/ColorRole.h"
#include "scheme/HexColor.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <string>

class QWidget;

namespace brisvane {

struct AppState;
class PlatformUi;
class ProjectStore;
class frmOpen;

// The File menu's New, Open, Save and Import Colors from Page, and the prompt that runs
// whenever the main window is about to close: unsaved colours are never dropped without the
// user's word, and a project gets a name, unique among the file's, the first time it is
// saved. What the window is to show comes to it by signals.
class FileCommands : public QObject {
    Q_OBJECT

public:
    // `owner` owns the Create/Open window when Open shows it.
    FileCommands(AppState& state, PlatformUi& ui, ProjectStore& store, QWidget* owner);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileImport_Click();

signals:
    // The project's name for the window's title; empty for none.
    void projectNamed(const std::string& name);
    // A Create/Open window about to be shown, for the window to hear what it creates or opens.
    void createOpenWindowMade(frmOpen& window);
    // Colours a page set, each to go into its field as if typed; the others stay.
    // A page's colours: the light set's roles and states as typed, and a dark set where it has
    // rules for dark mode.
    void colorsImported(const ScrollbarColors& colors);

public:
    // True when the window must stay open.
    bool Form_QueryUnload();

private:
    enum class Outcome { Saved, No, Cancel };
    struct QuestionTexts {
        QString question;
        QString namePrompt;
        QString notSaved;
    };

    Outcome saveQuestion(const QuestionTexts& texts);
    // After the save question of New or Open: the Create/Open window, unless cancelled.
    void showCreateOpen(Outcome outcome, bool existing);
    // Saves the current project; false (and said so) when the file did not take it.
    bool saveProject(bool isNewProject);
    // Asks the name check; true when the name may be used, else the user has been told why.
    bool nameIsFree(const QString& name);

    AppState& m_state;
    PlatformUi& m_ui;
    ProjectStore& m_store;
    QWidget* m_owner;
};

} // namespace brisvane
