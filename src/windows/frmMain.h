#pragma once

#include "scheme/ColorRole.h"
#include "scheme/ScrollbarScheme.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace brisvane {

struct ScrollbarColors;

struct AppState;
class ColorField;
class ColorPicture;
class ColorRows;
class ColorSetControls;
class FileCommands;
class HelpCommands;
class HtmlView;
class LabelButton;
class LabelButtonGroup;
class PlatformUi;
class ProjectStore;
class frmOpen;

// The main window: the colour fields with their swatches, the enlarged scrollbar picture, the
// label-buttons, the live preview page, the band of the hover and pressed faces and of the
// light and dark sets, and the menus. Fields, swatches, picture and page show the set edited.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(AppState& state, PlatformUi& ui, ProjectStore& store, QWidget* parent = nullptr);
    ~frmMain() override;

    // Each part's object name is the name the program knows it by, an array's index appended:
    // "txtHex0", "picBArrow1", "lblCreate", "mnuFileSave", "DHTMLEdit1"; the hover and pressed
    // rows' are named after their roles: "txtHexHover", "picColorsPressed".

    // The text of the preview page last built, the one the preview shows; for tests, as the
    // view gives no page back as it was given.
    const QString& txtHTML() const { return m_txtHTML; }

    // The field of a role.
    ColorField* colorField(ColorRole role) const;
    // The swatch (first) and the parts of the enlarged picture that show a role's colour.
    const std::vector<ColorPicture*>& roleParts(ColorRole role) const;

    // Builds the preview page from the colours of the set edited and shows it.
    void showPreviewPage();

    // Adds a project with the default colours to data.ini and makes it the one being edited.
    // When the file does not take it, says so and leaves the window as it was.
    bool createProject(const std::string& name);
    // Creates and opens what a Create/Open window asks for, and lets it close once done.
    void attach(frmOpen& open);
    // The title names the project (its bytes shown as text); no name, no project.
    void setProjectName(const std::string& name);
    // Makes a listed project the one being edited, with its stored colours.
    void openProject(const std::string& name);
    // Takes a page's colours as Import reads them.
    void importColors(const ScrollbarColors& read);

    // The close prompt ran already and let the window go (the desktop's session is ending).
    void approveClose() { m_closeApproved = true; }
    // Runs the close prompt; true when the window may close.
    bool queryUnload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    void buildButtons();
    void buildMenus();
    void Form_Load();

    void connectRole(ColorRole role);
    void txtHex_Change(ColorRole role);
    void txtHex_LostFocus(ColorRole role);
    void showHexErrors(int count);
    void pickColor(ColorRole role);
    // Everything that follows the colours of the set edited, after any of them changed.
    void colorsChanged();
    // Shows the set edited everywhere, its colours through the fields' rules.
    void showColors(bool setTrackSwatch);
    void picture_Click(ColorRole role);

    void lblCreate_Click();
    void lblReset_Click();
    void lblExit_Click();
    void mnuFileExit_Click();
    void showProject(const std::string& name, bool setTrackSwatch);
    // One message for the colours of an opened project that its file holds as no colour.
    void reportDamagedColors(const std::string& name, const ScrollbarScheme& stored);

    AppState& m_state;
    PlatformUi& m_ui;
    ProjectStore& m_store;
    QWidget* m_form = nullptr;
    LabelButtonGroup* m_lighting = nullptr;

    // Every role's field, swatch and strips of the enlarged picture.
    std::unique_ptr<ColorRows> m_rows;
    ColorSetControls* m_setControls = nullptr;
    LabelButton* m_lblCreate = nullptr;
    LabelButton* m_lblReset = nullptr;
    LabelButton* m_lblExit = nullptr;
    // The preview view, which shows the sample page (the old design's HTML editing control).
    HtmlView* m_DHTMLEdit1 = nullptr;
    QString m_txtHTML;
    // The program's folder as the preview page writes it, made once.
    std::string m_pictureFolder;

    QMenu* m_mnuFile = nullptr;
    QAction* m_mnuFileNew = nullptr;
    QAction* m_mnuFileOpen = nullptr;
    QAction* m_mnuFileImport = nullptr;
    QAction* m_mnuFileSave = nullptr;
    QAction* m_mnuFileExit = nullptr;
    QMenu* m_mnuHelp = nullptr;
    QAction* m_mnuHelpContents = nullptr;
    QAction* m_mnuHelpVisit = nullptr;
    FileCommands* m_commands; // children of the window
    HelpCommands* m_help;
    bool m_closeApproved = false;
    // While a project's colours go into the fields, their rules raise no error windows: the
    // user typed nothing.
    bool m_showingProject = false;
};

} // namespace brisvane
