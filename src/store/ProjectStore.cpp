#include "store/ProjectStore.h"

#include "store/NameList.h"
#include "text/Ascii.h"

#include <algorithm>
#include <set>

namespace brisvane {

namespace {

constexpr const char* projectsSection = "Projects";
// The list is read with a 16-bit count: more entries could never be listed.
constexpr std::size_t maxProjects = 32767;
constexpr const char* listFull = "the list of Projects is full: it holds 32,767, as many as it can";
// The dark set's keys are the light set's with this before them: "D1" to "D9".
const std::string darkPrefix = "D";
constexpr const char* noFolderFound = "no folder for the project file could be found";

} // namespace

ProjectStore::ProjectStore(clsINI& projectIni, const Clock& clock)
    : m_ini(projectIni), m_clock(clock), m_dataFile(projectIni.inifile()),
      m_noFileReason(noFolderFound) {}

void ProjectStore::markUnusable(std::string place, std::string why) {
    m_place = std::move(place);
    m_noFileReason = std::move(why);
}

std::vector<std::string> ProjectStore::listedNames() {
    // The list is read by number from 1 to the count of its keys. A number that a damaged
    // list lacks reads as "<not_set>" but is not written: the count would grow with it, and
    // so the list with every reading.
    const std::set<std::string> present = keysIn(projectsSection);
    std::vector<std::string> names;
    names.reserve(present.size());
    for (std::size_t i = 1; i <= present.size(); ++i) {
        const std::string number = std::to_string(i);
        names.push_back(present.count(number) == 0
                            ? std::string(clsINI::notSet)
                            : m_ini.getKeyValue(number, {}, projectsSection, m_dataFile));
    }
    return names;
}

std::vector<ProjectRow> ProjectStore::listProjects() {
    std::vector<ProjectRow> rows;
    reading([&] {
        rows.clear();
        for (std::string& name : listedNames()) {
            ProjectRow row{std::move(name), clsINI::notSet, clsINI::notSet};
            if (row.name != clsINI::notSet) {
                row.time = m_ini.getKeyValue("Time", {}, row.name, m_dataFile);
                row.date = m_ini.getKeyValue("Date", {}, row.name, m_dataFile);
            }
            rows.push_back(std::move(row));
        }
    });
    return rows;
}

bool ProjectStore::addToList(const std::string& name) {
    // The list is read by number from 1 to the count of its keys. The next number is taken;
    // where a damaged list already uses it, the lowest free one, which the count, one higher
    // now, still reaches. Either way the new project is listed and no listed one is pushed
    // out.
    const std::set<std::string> used = keysIn(projectsSection);
    if (used.size() >= maxProjects)
        return false;
    std::size_t number = used.size() + 1;
    if (used.count(std::to_string(number)) != 0) {
        number = 1;
        while (used.count(std::to_string(number)) != 0)
            ++number;
    }
    m_ini.setKeyValue(std::to_string(number), name, projectsSection, m_dataFile);
    return true;
}

void ProjectStore::writeProject(const std::string& name, const ProjectColors& colors) {
    // One reading of the clock: a save at midnight must not stamp one day's date with the
    // next day's time.
    const std::tm now = m_clock.localNow();
    m_ini.setKeyValue("Date", formatDate(now), name, m_dataFile);
    m_ini.setKeyValue("Time", formatTime(now), name, m_dataFile);
    const std::set<std::string> present = keysIn(name);
    // A colour left unset has no key: one the file holds from before goes.
    const auto put = [&](const std::string& key, const std::string& value) {
        if (!value.empty())
            m_ini.setKeyValue(key, value, name, m_dataFile);
        else if (present.count(key) != 0)
            m_ini.deleteKey(key, name, m_dataFile);
    };
    for (ColorRole role : allColorRoles)
        m_ini.setKeyValue(std::string(projectKey(role)), colors.light.color(role), name,
                          m_dataFile);
    for (ColorRole role : stateColorRoles)
        put(std::string(projectKey(role)), colors.light.color(role));
    for (ColorRole role : everyColorRole)
        put(darkPrefix + std::string(projectKey(role)),
            colors.dark ? colors.dark->color(role) : "");
}

void ProjectStore::reading(const std::function<void()>& body) {
    // Reads take no lock, so that another program holding it cannot keep them waiting; the
    // entries they write back ("<not_set>" for a missing one) land in one rewrite, and none
    // when nothing is missing.
    if (!m_dataFile.empty())
        m_ini.readOnlyPass(body, m_dataFile);
}

Outcome ProjectStore::addProject(const std::string& name, const ProjectColors& colors) {
    if (m_dataFile.empty())
        return Outcome::failed(m_noFileReason);
    // The name was checked before; another program may have taken it since.
    bool taken = false;
    bool full = false;
    const Outcome outcome = m_ini.transaction(
        [&] {
            taken = listedOrSection(name) != NameCheck::Free;
            if (taken)
                return;
            full = !addToList(name);
            if (!full)
                writeProject(name, colors);
        },
        m_dataFile);
    if (taken)
        return Outcome::failed("another program has just made a Project of that name");
    return full ? Outcome::failed(listFull) : outcome;
}

Outcome ProjectStore::createProject(const std::string& name) {
    return addProject(name, {defaultScheme, std::nullopt});
}

ProjectColors ProjectStore::openProject(const std::string& name) {
    ProjectColors colors;
    reading([&] {
        for (ColorRole role : allColorRoles)
            colors.light.setColor(
                role, m_ini.getKeyValue(std::string(projectKey(role)), {}, name, m_dataFile));
        // The newer keys are read only where they are: a read of a missing key would write
        // it back, and call an older project damaged.
        const std::set<std::string> present = keysIn(name);
        const auto value = [&](const std::string& key) {
            return present.count(key) ? m_ini.getKeyValue(key, {}, name, m_dataFile)
                                      : std::string();
        };
        for (ColorRole role : stateColorRoles)
            colors.light.setColor(role, value(std::string(projectKey(role))));
        if (std::none_of(everyColorRole.begin(), everyColorRole.end(), [&](ColorRole role) {
                return present.count(darkPrefix + std::string(projectKey(role)));
            }))
            return;
        // A dark set that lacks one of its seven takes the dark default there.
        colors.dark = darkDefaultScheme;
        for (ColorRole role : everyColorRole) {
            std::string text = value(darkPrefix + std::string(projectKey(role)));
            if (!text.empty() || isStateRole(role))
                colors.dark->setColor(role, std::move(text));
        }
    });
    return colors;
}

Outcome ProjectStore::saveProject(bool isNewProject, const std::string& name,
                                  const ProjectColors& colors) {
    if (isNewProject)
        return addProject(name, colors);
    if (m_dataFile.empty())
        return Outcome::failed(m_noFileReason);
    // The file may have been deleted or replaced since the project was opened: it is listed
    // again, as creating it would, rather than left a section that no list leads to.
    bool full = false;
    const Outcome outcome = m_ini.transaction(
        [&] {
            full = !isListed(name) && !addToList(name);
            if (!full)
                writeProject(name, colors);
        },
        m_dataFile);
    return full ? Outcome::failed(listFull) : outcome;
}

Outcome ProjectStore::checkFile() {
    if (m_dataFile.empty())
        return Outcome::failed(m_noFileReason);
    return m_ini.checkFile(m_dataFile);
}

Outcome ProjectStore::lastRead() const {
    const Outcome& read = m_ini.lastRead();
    return read ? read : Outcome::failed(m_dataFile + " could not be read: " + read.why());
}

NameCheck ProjectStore::checkProjectName(const std::string& name) {
    if (name.empty())
        return NameCheck::Empty;
    if (name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return NameCheck::LineBreak;
    if (ascii::equalsNoCase(name, projectsSection))
        return NameCheck::Reserved;
    NameCheck result = NameCheck::Free;
    reading([&] { result = listedOrSection(name); });
    return result;
}

std::set<std::string> ProjectStore::keysIn(const std::string& section) {
    const std::vector<std::string> keys = splitNames(m_ini.getKeysInSection(section, m_dataFile));
    return {keys.begin(), keys.end()};
}

bool ProjectStore::isListed(const std::string& name) {
    const std::vector<std::string> listed = listedNames();
    return std::any_of(listed.begin(), listed.end(),
                       [&name](const std::string& n) { return ascii::equalsNoCase(n, name); });
}

NameCheck ProjectStore::listedOrSection(const std::string& name) {
    if (isListed(name))
        return NameCheck::Taken;
    for (const std::string& section : splitNames(m_ini.getSections(m_dataFile))) {
        if (ascii::equalsNoCase(section, name))
            return NameCheck::SectionExists;
    }
    return NameCheck::Free;
}

} // namespace brisvane
