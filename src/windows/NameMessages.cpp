#include "windows/NameMessages.h"

#include "platform/ByteText.h"
#include "platform/PlatformUi.h"

namespace brisvane {

void showNameRefused(PlatformUi& ui, const std::string& name, NameCheck check) {
    const QString n = textOfBytes(name);
    const QString different = QStringLiteral("You must choose a different Project Name.");
    QString reason;
    switch (check) {
    case NameCheck::Taken:
        ui.showMessage(QStringLiteral("There is already a Project named: ") + n +
                           QStringLiteral("\r\n") + different,
                       PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
        return;
    case NameCheck::Reserved:
        reason = QStringLiteral("The project file keeps its list of Projects under that name.");
        break;
    case NameCheck::LineBreak:
        reason = QStringLiteral("A Project Name must stay on one line.");
        break;
    case NameCheck::SectionExists:
        reason = QStringLiteral("The project file already holds an entry of that name, which the "
                                "new Project would share.");
        break;
    case NameCheck::Free:
    case NameCheck::Empty:
        return;
    }
    const QString prompt = QStringLiteral("A Project cannot be named: ") + n +
                           QStringLiteral("\r\n") + reason + QStringLiteral("\r\n") + different;
    ui.showMessage(prompt, PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
}

} // namespace brisvane
