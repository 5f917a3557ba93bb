#include "windows/NameMessages.h"

#include "platform/PlatformUi.h"

namespace brisvane {

void showNameRefused(PlatformUi& ui, const std::string& name, NameCheck check) {
    const QString n = QString::fromStdString(name);
    const QString different = QStringLiteral("You must choose a different Project Name.");
    QString prompt;
    switch (check) {
    case NameCheck::Taken:
        prompt = QStringLiteral("There is already a Project named: ") + n + QStringLiteral("\r\n") +
                 different;
        break;
    case NameCheck::Reserved:
        prompt = QStringLiteral("A Project cannot be named: ") + n +
                 QStringLiteral("\r\nThe project file keeps its list of Projects under that "
                                "name.\r\n") +
                 different;
        break;
    case NameCheck::LineBreak:
        prompt = QStringLiteral("A Project cannot be named: ") + n +
                 QStringLiteral("\r\nA Project Name must stay on one line.\r\n") + different;
        break;
    case NameCheck::SectionExists:
        prompt = QStringLiteral("A Project cannot be named: ") + n +
                 QStringLiteral("\r\nThe project file already holds an entry of that name, which "
                                "the new Project would share.\r\n") +
                 different;
        break;
    case NameCheck::Free:
    case NameCheck::Empty:
        return;
    }
    ui.showMessage(prompt, PlatformUi::Buttons::Ok, PlatformUi::Icon::Critical);
}

} // namespace brisvane
