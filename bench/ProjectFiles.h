#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

namespace brisvane::bench {

// data.ini files with 10, 1,000 and 10,000 projects, each made once per run, as the store
// writes them, in a folder under /tmp that goes when the benchmarks end.
class ProjectFiles {
public:
    ~ProjectFiles() {
        if (!m_root.empty())
            std::filesystem::remove_all(m_root);
    }

    static ProjectFiles& get() {
        static ProjectFiles files;
        return files;
    }

    static std::string projectName(long i) { return "Project " + std::to_string(i); }

    const std::string& text(long count) {
        auto it = m_texts.find(count);
        if (it != m_texts.end())
            return it->second;
        std::string list = "[Projects]\n";
        std::string sections;
        for (long i = 1; i <= count; ++i) {
            const std::string name = projectName(i);
            list += std::to_string(i) + "=" + name + "\n";
            sections += "[" + name + "]\nDate=12/06/2026\nTime=09:15 AM\n";
            for (int k = 1; k <= 7; ++k) {
                char colour[8];
                std::snprintf(colour, sizeof colour, "#%06lX", (i * 7919 + k * 104729) % 0xFFFFFF);
                sections += std::to_string(k) + "=" + colour + "\n";
            }
        }
        return m_texts.emplace(count, list + sections).first->second;
    }

    // A folder of its own (by `use`) holding a fresh copy of the file with `count` projects.
    std::string folderWith(long count, const std::string& use) {
        if (m_root.empty()) {
            char pattern[] = "/tmp/brisvane-bench-XXXXXX";
            if (!::mkdtemp(pattern))
                throw std::runtime_error("mkdtemp failed");
            m_root = pattern;
        }
        const std::string folder = m_root + "/" + use + "-" + std::to_string(count);
        std::filesystem::create_directories(folder);
        std::ofstream(folder + "/data.ini", std::ios::binary | std::ios::trunc) << text(count);
        return folder;
    }

private:
    ProjectFiles() = default;
    std::string m_root;
    std::map<long, std::string> m_texts;
};

} // namespace brisvane::bench
