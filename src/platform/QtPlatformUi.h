#pragma once

#include "platform/PlatformUi.h"

namespace brisvane {

// The desktop services on Qt Widgets: message boxes, the input box, the colour chooser, the
// clipboard and the desktop's handler for web addresses.
class QtPlatformUi final : public PlatformUi {
public:
    explicit QtPlatformUi(ProgramFolders folders) : m_folders(std::move(folders)) {}

    Answer showMessage(const QString& prompt, Buttons buttons, Icon icon,
                       const QString& title = {}) override;
    QString askText(const QString& prompt, const QString& title,
                    const QString& defaultText = {}) override;
    std::optional<ColorValue> chooseColor(const QString& title, ColorValue initial) override;
    bool setClipboardText(const QString& text) override;
    QString chooseFileToOpen(const QString& title, const QString& filters) override;
    bool openWithShell(const QString& address) override;
    QString cacheFolder() const override;
    ProgramFolders folders() const override { return m_folders; }
    QString programFileName() const override;
    void pumpEvents() override;
    void showModal(QDialog& window, QWidget* owner) override;

private:
    ProgramFolders m_folders; // found once, at start-up
    // Where the next file chooser opens: the user's documents at first, then the folder of the
    // file chosen last in this run.
    QString m_fileFolder;
};

} // namespace brisvane
