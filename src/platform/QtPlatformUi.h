#pragma once

#include "platform/PlatformUi.h"

namespace brisvane {

// The desktop services on Qt Widgets: message boxes, the input box, the colour chooser, the
// clipboard and the desktop's handler for web addresses.
class QtPlatformUi final : public PlatformUi {
public:
    QtPlatformUi();

    Answer showMessage(const QString& prompt, Buttons buttons, Icon icon,
                       const QString& title = {}) override;
    QString askText(const QString& prompt, const QString& title,
                    const QString& defaultText = {}) override;
    std::optional<ColorValue> chooseColor(const QString& title, ColorValue initial) override;
    bool setClipboardText(const QString& text) override;
    void openWithShell(const QString& address) override;
    std::string programFolder() const override;
    QString programFileName() const override;
    void pumpEvents() override;
    void showModal(QDialog& window, QWidget* owner) override;

private:
    std::string m_programFolder; // found once: the preview asks for it on every keystroke
};

} // namespace brisvane
