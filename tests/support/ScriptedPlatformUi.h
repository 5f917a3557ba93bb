#pragma once

#include "platform/PlatformUi.h"

#include <QDialog>
#include <QPointer>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace brisvane::test {

// A PlatformUi that answers from queues and records every call, so that no dialog blocks a
// test. A modal window is shown, handed to the next queued script, and closed after it.
class ScriptedPlatformUi : public PlatformUi {
public:
    struct Message {
        QString prompt;
        Buttons buttons;
        Icon icon;
        QString title; // as the user sees it
        bool operator==(const Message&) const = default;
    };
    struct Modal {
        QString title;
        QPointer<QWidget> owner;
    };

    explicit ScriptedPlatformUi(QString folder) : folder(std::move(folder)) {}

    Answer showMessage(const QString& prompt, Buttons buttons, Icon icon,
                       const QString& title) override {
        messages.push_back({prompt, buttons, icon, title.isEmpty() ? "Brisvane" : title});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        // Unscripted, No ends the save question, which asks again after Yes.
        return answers.empty() ? Answer::No : take(answers);
    }
    QString askText(const QString& prompt, const QString&, const QString&) override {
        askedPrompts.push_back(prompt);
        return texts.empty() ? QString() : take(texts);
    }
    std::optional<ColorValue> chooseColor(const QString& title, ColorValue initial) override {
        chooserTitles.push_back(title);
        chooserInitial = initial;
        return colors.empty() ? std::nullopt : take(colors);
    }
    bool setClipboardText(const QString& text) override {
        clipboard.push_back(text);
        return clipboardWorks;
    }
    void openWithShell(const QString& address) override { openedAddresses.push_back(address); }
    QString programFolder() const override { return folder; }
    QString programFileName() const override { return "brisvane"; }
    void pumpEvents() override { ++pumps; }
    void showModal(QDialog& window, QWidget* owner) override {
        modals.push_back({window.windowTitle(), owner});
        window.show();
        if (!modalScripts.empty())
            take(modalScripts)(window);
        window.close();
    }

    template <class T> static T take(std::deque<T>& queue) {
        T first = std::move(queue.front());
        queue.pop_front();
        return first;
    }

    QString folder;
    std::vector<Message> messages;
    std::deque<Answer> answers;
    std::vector<QString> askedPrompts;
    std::deque<QString> texts;
    std::vector<QString> chooserTitles;
    ColorValue chooserInitial = 1;
    std::deque<std::optional<ColorValue>> colors;
    std::vector<QString> clipboard; // every text handed to it
    bool clipboardWorks = true;
    std::vector<QString> openedAddresses;
    int pumps = 0;
    std::vector<Modal> modals;
    std::deque<std::function<void(QDialog&)>> modalScripts;
};

} // namespace brisvane::test
