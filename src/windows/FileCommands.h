#pragma once

#include <QString>

namespace brisvane {

struct AppState;
class PlatformUi;
class ProjectStore;
class frmMain;

// The File menu's New, Open and Save, and the prompt that runs whenever the main window is
// about to close: unsaved colours are never dropped without the user's word, and a project
// gets a name, unique among the file's, the first time it is saved.
class FileCommands {
public:
    FileCommands(AppState& state, PlatformUi& ui, ProjectStore& store, frmMain& mainWindow);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
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
    frmMain& m_main;
};

} // namespace brisvane
