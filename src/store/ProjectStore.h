#pragma once

#include "scheme/ScrollbarScheme.h"
#include "store/Clock.h"
#include "store/clsINI.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace brisvane {

// One row of the project list: the name, and the time and date of its last creation or save.
struct ProjectRow {
    std::string name;
    std::string time;
    std::string date;
};

// Whether a new project may take a name.
enum class NameCheck {
    Free,
    Empty,
    Taken,         // a listed project has it, letter case aside
    Reserved,      // "Projects" in any case: its section is the project list
    LineBreak,     // a line break or NUL: no line of the file can hold it
    SectionExists, // another section of the file has it, letter case aside, and would be shared
};

// The projects in data.ini: the list in section "Projects" (keys "1" to N, in the order the
// projects were made) and a section per project with "Date", "Time" and the colours "1" to
// "7" in role order. Creating and saving are each one transaction: all their entries land
// together or none does, and two programs doing it at once give no two projects one number.
class ProjectStore {
public:
    // The projects live in projectIni's own file; a clsINI without the program's folder has
    // none, and the store then refuses every write.
    ProjectStore(clsINI& projectIni, const Clock& clock);

    std::vector<ProjectRow> listProjects();
    // Adds the name to the list and writes its section with the default colours.
    Outcome createProject(const std::string& name);
    // The project's colours. A missing one of the seven reads (and is written) as
    // "<not_set>"; the hover and pressed faces ("8", "9") and the dark set ("D1" to "D9"),
    // which older projects lack, read as unset and write nothing.
    ProjectColors openProject(const std::string& name);
    // Writes the colours and the time under the name, first adding it to the list if new, or
    // if the file no longer lists it (deleted or replaced since the project was opened). A
    // state or dark set left unset removes its keys; none are written for it.
    Outcome saveProject(bool isNewProject, const std::string& name, const ProjectColors& colors);
    NameCheck checkProjectName(const std::string& name);
    // Whether the project file can be read and written, or why not: said once at start-up.
    Outcome checkFile();
    // Whether the last listing or opening could read the file (its rows are then none), or
    // why not.
    Outcome lastRead() const;

    // Where the projects are kept, for messages: the file, or where it would be when the
    // store has none because its folder cannot be used (markUnusable).
    const std::string& placeShown() const { return m_dataFile.empty() ? m_place : m_dataFile; }
    // The store has no file because `place` cannot be used, for the reason `why`, which
    // every refused write then gives.
    void markUnusable(std::string place, std::string why);

private:
    void reading(const std::function<void()>& body);
    Outcome addProject(const std::string& name, const ProjectColors& colors);
    NameCheck listedOrSection(const std::string& name);
    // The keys of a section, as a set; the list's or a project's.
    std::set<std::string> keysIn(const std::string& section);
    // Whether the list holds the name, letter case aside.
    bool isListed(const std::string& name);
    std::vector<std::string> listedNames();
    // False when the list is full.
    bool addToList(const std::string& name);
    void writeProject(const std::string& name, const ProjectColors& colors);

    clsINI& m_ini;
    const Clock& m_clock;
    std::string m_dataFile;
    std::string m_place;
    std::string m_noFileReason;
};

} // namespace brisvane
