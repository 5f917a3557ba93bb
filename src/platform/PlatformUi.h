#pragma once

#include "scheme/HexColor.h"
#include "store/ProgramFolders.h"

#include <QString>

#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace brisvane {

// The desktop services that the windows use. The program runs on QtPlatformUi; tests hand
// the windows a scripted one, so that no dialog ever blocks a test.
class PlatformUi {
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Critical, Information };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~PlatformUi() = default;

    // A modal message box. The first button is the default one. Closing the box counts as
    // Cancel where Cancel is offered. An empty title means the program's title, "Brisvane".
    virtual Answer showMessage(const QString& prompt, Buttons buttons, Icon icon,
                               const QString& title = {}) = 0;
    // A modal one-line input; an empty text when the user cancels.
    virtual QString askText(const QString& prompt, const QString& title,
                            const QString& defaultText = {}) = 0;
    // The modal colour chooser; no value when the user cancels.
    virtual std::optional<ColorValue> chooseColor(const QString& title, ColorValue initial) = 0;
    // The modal chooser of a file to open, offering the given filters ("Web Pages (*.htm
    // *.html)", one a line); its path, or an empty text when the user cancels.
    virtual QString chooseFileToOpen(const QString& title, const QString& filters) = 0;
    // Puts plain text on the clipboard; false when the clipboard did not take it.
    virtual bool setClipboardText(const QString& text) = 0;
    // Opens an address with the desktop's default handler; false when none would take it.
    virtual bool openWithShell(const QString& address) = 0;
    // The user's cache folder for this program (it need not exist yet); empty when unknown.
    virtual QString cacheFolder() const = 0;
    // Where the program's resources and projects are, found once at start-up. Folders are
    // bytes as the system names them, which need not be UTF-8 text.
    virtual ProgramFolders folders() const = 0;
    // The program's file name without folder and extension.
    virtual QString programFileName() const = 0;
    // Lets pending window events run before the caller goes on.
    virtual void pumpEvents() = 0;
    // Shows a window modally, centred over its owner or, without one, on the screen, and
    // returns when it has closed.
    virtual void showModal(QDialog& window, QWidget* owner) = 0;
};

} // namespace brisvane
