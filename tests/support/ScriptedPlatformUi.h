#pragma once

#include "platform/PlatformUi.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out) { // a failure shows texts as text
    *out << '"' << text.toStdString() << '"';
}

namespace brisvane::test {

// A PlatformUi that answers from queues and records every call: no dialog blocks a test.
class ScriptedPlatformUi : public PlatformUi {
public:
    using Message = std::pair<QString, Buttons>; // the prompt and the buttons
    using Modal = std::pair<QString, QWidget*>;  // the title and the owner

    explicit ScriptedPlatformUi(std::string folder) : folder(std::move(folder)) {}

    // The log shows a message's icon, "(x)" critical or "(i)" information, and a title of its
    // own before its prompt: "(x) [ERROR] You must...", "[Confirm Reset] You are...".
    Answer showMessage(const QString& prompt, Buttons buttons, Icon icon,
                       const QString& title) override {
        messages.push_back({prompt, buttons});
        log.push_back(QString(icon == Icon::Critical      ? "(x) "
                              : icon == Icon::Information ? "(i) "
                                                          : "") +
                      (title.isEmpty() ? prompt : "[" + title + "] " + prompt));
        // Unscripted, No: it ends the save question, which asks again after Yes.
        return buttons == Buttons::Ok ? Answer::Ok : answers.empty() ? Answer::No : take(answers);
    }
    QString askText(const QString& prompt, const QString&, const QString&) override {
        log.push_back("ask " + prompt);
        return texts.empty() ? QString() : take(texts);
    }
    std::optional<ColorValue> chooseColor(const QString& title, ColorValue initial) override {
        log.push_back("choose " + title + " from " + QString::number(initial));
        return colors.empty() ? std::nullopt : take(colors);
    }
    QString chooseFileToOpen(const QString& title, const QString& filters) override {
        log.push_back("file " + title + " " + filters);
        return texts.empty() ? QString() : take(texts);
    }
    bool setClipboardText(const QString& text) override {
        log.push_back("copy " + text);
        return clipboardWorks;
    }
    bool openWithShell(const QString& address) override {
        log.push_back("open " + address);
        return true;
    }
    QString cacheFolder() const override { return cache; }
    ProgramFolders folders() const override { return {folder, folder, true, {}}; }
    QString programFileName() const override { return "brisvane"; }
    void pumpEvents() override { ++pumps; }
    // A modal window is shown, handed to the next queued script, and closed after it.
    void showModal(QDialog& window, QWidget* owner) override {
        modals.push_back({window.windowTitle(), owner});
        window.show();
        if (!scripts.empty())
            take(scripts)(window);
        window.close();
    }

    template <class T> static T take(std::deque<T>& queue) {
        T first = std::move(queue.front());
        queue.pop_front();
        return first;
    }

    std::string folder; // bytes, as the system names folders
    std::vector<Message> messages;
    std::deque<Answer> answers;
    std::deque<QString> texts;
    std::deque<std::optional<ColorValue>> colors;
    bool clipboardWorks = true;
    QString cache;            // the cache folder
    std::vector<QString> log; // every message, and what was asked, chosen, copied, opened
    int pumps = 0;
    std::vector<Modal> modals;
    std::deque<std::function<void(QDialog&)>> scripts;
};

} // namespace brisvane::test
