#include "windows/FileCommands.h"

#include "import/PageFile.h"
#include "import/ScrollbarColorReader.h"
#include "platform/ByteText.h"
#include "platform/PlatformUi.h"
#include "store/ProjectStore.h"
#include "text/Ascii.h"
#include "windows/AppState.h"
#include "windows/NameMessages.h"
#include "windows/frmOpen.h"

#include <QFile>

#include <algorithm>

namespace brisvane {

namespace {

// What more than one command asks or says.
QString saveQuestionText() {
    return FileCommands::tr("Do you want to save the current Scrollbar?");
}
QString namePromptText() {
    return FileCommands::tr("Type in a Project Name.");
}
QString notSavedText() {
    return FileCommands::tr("The current Scrollbar has not been saved.");
}
QString nameTitle() {
    return FileCommands::tr("Project Name");
}

} // namespace

FileCommands::FileCommands(AppState& state, PlatformUi& ui, ProjectStore& store, QWidget* owner)
    : QObject(owner), m_state(state), m_ui(ui), m_store(store), m_owner(owner) {}

bool FileCommands::nameIsFree(const QString& name) {
    const std::string text = name.toStdString();
    const NameCheck check = m_store.checkProjectName(text);
    if (check == NameCheck::Free)
        return true;
    showNameRefused(m_ui, text, check);
    return false;
}

bool FileCommands::saveProject(bool isNewProject) {
    const brisvane::Outcome written =
        m_store.saveProject(isNewProject, m_state.currentProjectName, m_state.project());
    const QString name = textOfBytes(m_state.currentProjectName);
    if (!written) {
        // The colours stay unsaved and marked so; nothing may say they were saved.
        m_ui.showMessage(tr("The Project \"%1\" could not be saved in\r\n%2:\r\n%3")
                             .arg(name, textOfBytes(ascii::oneLine(m_store.placeShown())),
                                  textOfBytes(ascii::oneLine(written.why()))),
                         PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
        return false;
    }
    m_state.setSchemeModified(false);
    m_ui.showMessage(tr("%1, has been Saved.").arg(name), PlatformUi::Buttons::Ok,
                     PlatformUi::Icon::Information);
    return true;
}

FileCommands::Outcome FileCommands::saveQuestion(const QuestionTexts& texts) {
    if (!m_state.schemeModified())
        return Outcome::Saved;
    while (true) {
        const auto answer = m_ui.showMessage(texts.question, PlatformUi::Buttons::YesNoCancel,
                                             PlatformUi::Icon::None);
        if (answer == PlatformUi::Answer::No)
            return Outcome::No;
        if (answer != PlatformUi::Answer::Yes)
            return Outcome::Cancel;
        if (!m_state.currentProjectName.empty()) {
            const bool saved = saveProject(false);
            m_ui.pumpEvents();
            return saved ? Outcome::Saved : Outcome::Cancel;
        }
        const QString name = m_ui.askText(texts.namePrompt, nameTitle());
        if (name.isEmpty()) {
            m_ui.showMessage(texts.notSaved, PlatformUi::Buttons::Ok,
                             PlatformUi::Icon::Information);
            continue;
        }
        if (!nameIsFree(name))
            continue;
        m_state.currentProjectName = name.toStdString();
        const bool saved = saveProject(true);
        if (!saved)
            m_state.currentProjectName.clear(); // the file does not list it
        m_ui.pumpEvents();
        return saved ? Outcome::Saved : Outcome::Cancel;
    }
}

void FileCommands::mnuFileNew_Click() {
    const Outcome outcome = saveQuestion(
        {saveQuestionText(), tr("Type in a Project Name to Save the current Scrollbar as."),
         notSavedText()});
    showCreateOpen(outcome, false);
}

void FileCommands::mnuFileOpen_Click() {
    showCreateOpen(saveQuestion({saveQuestionText(), namePromptText(), notSavedText()}), true);
}

void FileCommands::showCreateOpen(Outcome outcome, bool existing) {
    if (outcome == Outcome::Cancel)
        return;
    if (outcome == Outcome::No)
        m_ui.pumpEvents();
    // New shows the window on its New tab without an owner; Open on its Existing tab, owned
    // by the main window.
    frmOpen open(m_ui, m_store);
    emit createOpenWindowMade(open);
    if (existing)
        open.chooseExisting();
    else
        open.hideOpenPanel();
    m_ui.showModal(open, existing ? m_owner : nullptr);
}

void FileCommands::mnuFileSave_Click() {
    if (!m_state.currentProjectName.empty()) {
        saveProject(false);
        return;
    }
    while (true) {
        const QString name = m_ui.askText(namePromptText(), nameTitle());
        if (name.isEmpty()) {
            m_ui.showMessage(notSavedText(), PlatformUi::Buttons::Ok,
                             PlatformUi::Icon::Information);
            return;
        }
        if (!nameIsFree(name))
            continue;
        m_state.currentProjectName = name.toStdString();
        emit projectNamed(m_state.currentProjectName);
        if (!saveProject(true)) {
            // Not in the file: the window goes on as it was, unnamed.
            m_state.currentProjectName.clear();
            emit projectNamed({});
        }
        return;
    }
}

bool FileCommands::Form_QueryUnload() {
    const Outcome outcome =
        saveQuestion({tr("You are about to close Brisvane.\r\nDo you want to save the current "
                         "Scrollbar?"),
                      namePromptText(), tr("The current Scrollbar has not been Saved.")});
    m_ui.pumpEvents();
    return outcome == Outcome::Cancel;
}

void FileCommands::mnuFileImport_Click() {
    const QString path =
        m_ui.chooseFileToOpen(tr("Import Colors from Page"),
                              tr("Web Pages and Style Sheets (*.htm *.html *.css);;All Files (*)"));
    if (path.isEmpty())
        return;
    // Regular files only, and no more than a page can hold: a pipe or a device could keep the
    // window waiting, or fill the memory.
    const std::string file = QFile::encodeName(path).toStdString();
    const QString shown = textOfBytes(ascii::oneLine(file));
    const Result<std::string> page = readPageFile(file, true);
    if (!page) {
        m_ui.showMessage(
            tr("The file %1 could not be read: %2.").arg(shown, QString::fromLocal8Bit(page.why())),
            PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
        return;
    }
    const ScrollbarColors read = readScrollbarColors(*page);
    // What stands in a skipped value's place is said only where colours are taken.
    const bool taken = givesAnyColor(read);
    QString skipped;
    // The reader says what it skipped in English, as the command line does; so does its close.
    for (const SkippedColor& s : read.skipped)
        skipped +=
            QStringLiteral("\r\n") +
            tr("Line %1: %2")
                .arg(QString::number(s.line),
                     textOfBytes(describeSkipped(s, taken ? "it keeps the color it had" : "")));
    if (!taken) {
        const std::string why = whyNothingIsTaken(read);
        m_ui.showMessage(tr("In %1, %2; no color has changed.%3")
                             .arg(shown, textOfBytes(ascii::oneLine(why)), skipped),
                         PlatformUi::Buttons::Ok, PlatformUi::Icon::Information);
        return;
    }
    emit colorsImported(read);
    m_state.setSchemeModified(true);
    if (!skipped.isEmpty())
        m_ui.showMessage(tr("Not every scrollbar color in %1 could be taken as it stands:%2")
                             .arg(shown, skipped),
                         PlatformUi::Buttons::Ok, PlatformUi::Icon::Information);
}

} // namespace brisvane
