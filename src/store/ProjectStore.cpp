#include "store/ProjectStore.h"

#include "scheme/PathSeparator.h"
#include "store/NameList.h"

#include <algorithm>

namespace brisvane {

namespace {

constexpr const char* projectsSection = "Projects";

} // namespace

ProjectStore::ProjectStore(clsINI& projectIni, const Clock& clock, std::string programFolder)
    : m_ini(projectIni), m_clock(clock), m_dataFile(std::move(programFolder)) {
    if (m_dataFile.empty() || m_dataFile.back() != pathSeparator)
        m_dataFile += pathSeparator;
    m_dataFile += "data.ini";
}

std::vector<ProjectRow> ProjectStore::listProjects() {
    std::vector<ProjectRow> rows;
    reading([&] {
        rows.clear();
        const int count = m_ini.getNumberOfKeysInSection(projectsSection, m_dataFile);
        rows.reserve(static_cast<std::size_t>(count));
        for (int i = 1; i <= count; ++i) {
            ProjectRow row;
            row.name = m_ini.getKeyValue(std::to_string(i), {}, projectsSection, m_dataFile);
            row.time = m_ini.getKeyValue("Time", {}, row.name, m_dataFile);
            row.date = m_ini.getKeyValue("Date", {}, row.name, m_dataFile);
            rows.push_back(std::move(row));
        }
    });
    return rows;
}

void ProjectStore::addToList(const std::string& name) {
    // The next number; where a damaged list already uses it, the next free one, so that no
    // listed project is pushed out.
    int key = m_ini.getNumberOfKeysInSection(projectsSection, m_dataFile) + 1;
    const std::vector<std::string> keys =
        splitNames(m_ini.getKeysInSection(projectsSection, m_dataFile));
    while (std::any_of(keys.begin(), keys.end(), [&](const std::string& k) {
        return sameIgnoringCase(k, std::to_string(key));
    }))
        ++key;
    m_ini.setKeyValue(std::to_string(key), name, projectsSection, m_dataFile);
}

void ProjectStore::writeProject(const std::string& name, const ScrollbarScheme& scheme) {
    const std::tm now = m_clock.localNow();
    m_ini.setKeyValue("Date", formatDate(now), name, m_dataFile);
    m_ini.setKeyValue("Time", formatTime(m_clock.localNow()), name, m_dataFile);
    for (ColorRole role : allColorRoles)
        m_ini.setKeyValue(std::string(projectKey(role)), scheme.color(role), name, m_dataFile);
}

void ProjectStore::reading(const std::function<void()>& body) {
    // Reading a missing entry writes it (as "<not_set>"); one transaction keeps that to one
    // rewrite, and none when nothing is missing. Where the folder cannot be locked (no
    // rights to it, a network mount) the reads still run, without the lock.
    bool ran = false;
    m_ini.transaction(
        [&] {
            ran = true;
            body();
        },
        m_dataFile);
    if (!ran)
        body();
}

WriteOutcome ProjectStore::addProject(const std::string& name, const ScrollbarScheme& scheme) {
    // The name was checked before; another program may have taken it since.
    bool taken = false;
    const WriteOutcome outcome = m_ini.transaction(
        [&] {
            taken = listedOrSection(name) != NameCheck::Free;
            if (taken)
                return;
            addToList(name);
            writeProject(name, scheme);
        },
        m_dataFile);
    if (taken)
        return {false, "another program has just made a Project of that name"};
    return outcome;
}

WriteOutcome ProjectStore::createProject(const std::string& name) {
    return addProject(name, defaultScheme);
}

ScrollbarScheme ProjectStore::openProject(const std::string& name) {
    ScrollbarScheme scheme;
    reading([&] {
        for (ColorRole role : allColorRoles)
            scheme.setColor(role,
                            m_ini.getKeyValue(std::string(projectKey(role)), {}, name, m_dataFile));
    });
    return scheme;
}

WriteOutcome ProjectStore::saveProject(bool isNewProject, const std::string& name,
                                       const ScrollbarScheme& scheme) {
    if (isNewProject)
        return addProject(name, scheme);
    return m_ini.transaction([&] { writeProject(name, scheme); }, m_dataFile);
}

NameCheck ProjectStore::checkProjectName(const std::string& name) {
    if (name.empty())
        return NameCheck::Empty;
    if (name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return NameCheck::LineBreak;
    if (sameIgnoringCase(name, projectsSection))
        return NameCheck::Reserved;
    NameCheck result = NameCheck::Free;
    reading([&] { result = listedOrSection(name); });
    return result;
}

NameCheck ProjectStore::listedOrSection(const std::string& name) {
    const int count = m_ini.getNumberOfKeysInSection(projectsSection, m_dataFile);
    for (int i = 1; i <= count; ++i) {
        if (sameIgnoringCase(m_ini.getKeyValue(std::to_string(i), {}, projectsSection, m_dataFile),
                             name))
            return NameCheck::Taken;
    }
    for (const std::string& section : splitNames(m_ini.getSections(m_dataFile))) {
        if (sameIgnoringCase(section, name))
            return NameCheck::SectionExists;
    }
    return NameCheck::Free;
}

} // namespace brisvane
