#pragma once

#include "platform/PlatformUi.h"

#include <QDialog>
#include <QPointer>
#include <deque>
#include <functional>
#include <vector>

namespace brisvane::test {

// A PlatformUi that answers from queues and records every call, so that window tests never
// block on a dialog. A modal window is shown, handed to the next queued script, and closed
// when the script returns.
class ScriptedPlatformUi : public PlatformUi {
public:
    struct Message {
        QString prompt;
        Buttons buttons;
        Icon icon;
        QString title; // as the user sees it: the program's title when none was given
    };
    struct Modal {
        QString title;
        QPointer<QWidget> owner;
    };

    explicit ScriptedPlatformUi(QString folder = QStringLiteral("/opt/Brisvane"))
        : folder(std::move(folder)) {}

    Answer showMessage(const QString& prompt, Buttons buttons, Icon icon,
                       const QString& title = {}) override {
        messages.push_back(
            {prompt, buttons, icon, title.isEmpty() ? QStringLiteral("Brisvane") : title});
        // A box with OK alone has nothing to decide: it takes no scripted answer.
        if (buttons != Buttons::Ok && !answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        // Unscripted questions get the answer that ends them: a loop that asks again on Yes
        // (the save question) must not run for ever.
        switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::Yes;
        case Buttons::YesNoCancel:
            return Answer::No;
        }
        return Answer::Ok;
    }
    QString askText(const QString& prompt, const QString&, const QString&) override {
        askedPrompts.push_back(prompt);
        if (texts.empty())
            return {};
        const QString t = texts.front();
        texts.pop_front();
        return t;
    }
    std::optional<ColorValue> chooseColor(const QString& title, ColorValue initial) override {
        chooserTitles.push_back(title);
        chooserInitial.push_back(initial);
        if (colors.empty())
            return std::nullopt;
        const auto c = colors.front();
        colors.pop_front();
        return c;
    }
    bool setClipboardText(const QString& text) override {
        if (!clipboardWorks)
            return false;
        clipboard = text;
        ++clipboardWrites;
        return true;
    }
    void openWithShell(const QString& address) override { openedAddresses.push_back(address); }
    QString programFolder() const override { return folder; }
    QString programFileName() const override { return QStringLiteral("brisvane"); }
    void pumpEvents() override { ++pumps; }
    void showModal(QDialog& window, QWidget* owner) override {
        modals.push_back({window.windowTitle(), owner});
        window.show();
        if (!modalScripts.empty()) {
            auto script = std::move(modalScripts.front());
            modalScripts.pop_front();
            script(window);
        }
        window.close();
    }

    QString folder;
    std::vector<Message> messages;
    std::deque<Answer> answers;
    std::vector<QString> askedPrompts;
    std::deque<QString> texts;
    std::vector<QString> chooserTitles;
    std::vector<ColorValue> chooserInitial;
    std::deque<std::optional<ColorValue>> colors;
    QString clipboard;
    int clipboardWrites = 0;
    bool clipboardWorks = true;
    std::vector<QString> openedAddresses;
    int pumps = 0;
    std::vector<Modal> modals;
    std::deque<std::function<void(QDialog&)>> modalScripts;
};

} // namespace brisvane::test
