#include "windows/NameMessages.h"

#include "platform/ByteText.h"
#include "platform/PlatformUi.h"

#include <QCoreApplication>

namespace brisvane {

void showNameRefused(PlatformUi& ui, const std::string& name, NameCheck check) {
    const QString n = textOfBytes(name);
    const char* reason = nullptr;
    switch (check) {
    case NameCheck::Taken:
        ui.showMessage(QCoreApplication::translate("NameMessages",
                                                   "There is already a Project named: %1\r\nYou "
                                                   "must choose a different Project Name.")
                           .arg(n),
                       PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
        return;
    case NameCheck::Reserved:
        reason = QT_TRANSLATE_NOOP("NameMessages",
                                   "The project file keeps its list of Projects under that name.");
        break;
    case NameCheck::LineBreak:
        reason = QT_TRANSLATE_NOOP("NameMessages", "A Project Name must stay on one line.");
        break;
    case NameCheck::SectionExists:
        reason = QT_TRANSLATE_NOOP("NameMessages",
                                   "The project file already holds an entry of that name, which "
                                   "the new Project would share.");
        break;
    case NameCheck::Free:
    case NameCheck::Empty:
        return;
    }
    ui.showMessage(QCoreApplication::translate(
                       "NameMessages",
                       "A Project cannot be named: %1\r\n%2\r\nYou must choose a different "
                       "Project Name.")
                       .arg(n, QCoreApplication::translate("NameMessages", reason)),
                   PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
}

} // namespace brisvane
