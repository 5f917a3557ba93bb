#include "windows/ColorSetControls.h"

#include "platform/PlatformUi.h"
#include "platform/Twips.h"
#include "scheme/Contrast.h"
#include "windows/AppState.h"
#include "windows/LabelButton.h"
#include "windows/LabelButtonGroup.h"

#include <QLabel>

#include <algorithm>

namespace brisvane {

namespace {

// "Contrast: thumb 7.8:1, arrows 11.5:1", the states' after it when set, and a sentence on the
// part that stands out least when that is too little. The sentences are whole, for languages
// that put the ratio elsewhere.
QString contrastText(const ScrollbarScheme& scheme) {
    struct Shown {
        ColorRole state;
        const char* ratios; // the state's thumb and arrows in the line of ratios
        const char* thumb;  // the sentence when the state's thumb stands out least
        const char* arrows;
    };
    static constexpr Shown shown[] = {
        {ColorRole::Face, QT_TRANSLATE_NOOP("brisvane::ColorSetControls", "thumb %1, arrows %2"),
         QT_TRANSLATE_NOOP(
             "brisvane::ColorSetControls",
             "The thumb stands out from the track by only %1, less than the %2:1 that controls "
             "need."),
         QT_TRANSLATE_NOOP(
             "brisvane::ColorSetControls",
             "The arrows stand out from the face by only %1, less than the %2:1 that controls "
             "need.")},
        {ColorRole::Hover, QT_TRANSLATE_NOOP("brisvane::ColorSetControls", "hover %1, %2"),
         QT_TRANSLATE_NOOP(
             "brisvane::ColorSetControls",
             "The thumb under the pointer stands out from the track by only %1, less than the "
             "%2:1 that controls need."),
         QT_TRANSLATE_NOOP(
             "brisvane::ColorSetControls",
             "The arrows stand out from the hover face by only %1, less than the %2:1 that "
             "controls need.")},
        {ColorRole::Pressed, QT_TRANSLATE_NOOP("brisvane::ColorSetControls", "pressed %1, %2"),
         QT_TRANSLATE_NOOP(
             "brisvane::ColorSetControls",
             "The held thumb stands out from the track by only %1, less than the %2:1 that "
             "controls need."),
         QT_TRANSLATE_NOOP(
             "brisvane::ColorSetControls",
             "The arrows stand out from the pressed face by only %1, less than the %2:1 that "
             "controls need.")}};
    const auto ratio = [](const ContrastCheck& check) {
        return QString::fromStdString(ratioText(check.ratio));
    };
    // Each state's thumb, then its arrows; a state left unset has no checks.
    const std::vector<ContrastCheck> checks = checkContrast(scheme);
    QStringList ratios;
    const ContrastCheck* least = nullptr;
    const char* leastText = nullptr;
    for (std::size_t i = 0; i + 1 < checks.size(); i += 2) {
        const Shown& s = *std::find_if(std::begin(shown), std::end(shown), [&](const Shown& row) {
            return row.state == checks[i].state;
        });
        ratios += ColorSetControls::tr(s.ratios).arg(ratio(checks[i]), ratio(checks[i + 1]));
        for (const ContrastCheck* check : {&checks[i], &checks[i + 1]}) {
            if (!least || check->ratio < least->ratio) {
                least = check;
                leastText = check->arrows ? s.arrows : s.thumb;
            }
        }
    }
    QString text = ColorSetControls::tr("Contrast: %1").arg(ratios.join(QStringLiteral("; ")));
    if (least && !least->enough())
        text +=
            QLatin1Char('\n') +
            ColorSetControls::tr(leastText).arg(
                ratio(*least), QString::number(static_cast<int>(ContrastCheck::minimumContrast)));
    return text;
}

} // namespace

ColorSetControls::ColorSetControls(AppState& state, PlatformUi& ui, QWidget* form,
                                   LabelButtonGroup& lighting)
    : QObject(form), m_state(state), m_ui(ui) {
    // The shapes as the window's other buttons have them: the back one 45 twips above the
    // caption and 15 beyond it on each side.
    const auto button = [&](const QString& caption, QAnyStringView name, int left, int width) {
        constexpr int top = 5400;
        auto* b = new LabelButton(caption, twipsRect(left, top, width, 255),
                                  twipsRect(left - 15, top - 45, width + 30, 315),
                                  twipsRect(left, top - 30, width + 15, 300), form);
        b->setObjectName(name);
        lighting.add(b);
        return b;
    };
    // The switch under Reset and Exit, as wide as they are; the other under the sample page.
    m_lblLight = button(tr("Light"), "lblLight", 3495, 855);
    m_lblDark = button(tr("Dark"), "lblDark", 4560, 855);
    m_lblDarkSet = button(tr("Add Dark Set"), "lblDarkSet", 5925, 1920);
    m_lblLight->setAccessibleRole(QAccessible::RadioButton);
    m_lblDark->setAccessibleRole(QAccessible::RadioButton);
    m_lblLight->setToolTip(tr("Edit the colors of the scrollbar in light mode."));
    m_lblDark->setToolTip(tr("Edit the colors of the scrollbar in dark mode."));
    m_lblDarkSet->setToolTip(
        tr("Adds or removes a second set of colors, which pages show in dark mode."));
    // Room for two lines of ratios and two of the sentence on the one that falls short.
    m_lblContrast = new QLabel(form);
    m_lblContrast->setObjectName("lblContrast");
    m_lblContrast->setTextFormat(Qt::PlainText);
    m_lblContrast->setWordWrap(true);
    m_lblContrast->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblContrast->setGeometry(twipsRect(3360, 5880, 5415, 780));
    m_lblContrast->setAccessibleName(tr("Contrast"));
    connect(m_lblLight, &LabelButton::clicked, this, [this] { choose(false); });
    connect(m_lblDark, &LabelButton::clicked, this, [this] { choose(true); });
    connect(m_lblDarkSet, &LabelButton::clicked, this, &ColorSetControls::lblDarkSet_Click);
    showChoice();
}

QWidget* ColorSetControls::darkSetButton() const {
    return m_lblDarkSet;
}

void ColorSetControls::showChoice() {
    const bool hasDark = m_state.darkScheme.has_value();
    const bool dark = m_state.showsDark();
    m_lblLight->setChosen(!dark);
    m_lblDark->setChosen(dark);
    m_lblDark->setEnabled(hasDark);
    m_lblDarkSet->setText(hasDark ? tr("Remove Dark Set") : tr("Add Dark Set"));
}

void ColorSetControls::showContrast() {
    const QString text = contrastText(m_state.editing());
    if (text == m_lblContrast->text())
        return;
    m_lblContrast->setText(text);
    m_lblContrast->setAccessibleDescription(text);
}

void ColorSetControls::choose(bool dark) {
    m_lblLight->setLit(false);
    m_lblDark->setLit(false);
    if (dark == m_state.editingDark || (dark && !m_state.darkScheme))
        return;
    m_state.editingDark = dark;
    emit setChanged();
}

void ColorSetControls::lblDarkSet_Click() {
    m_lblDarkSet->setLit(false);
    if (!m_state.darkScheme) {
        // A new dark set starts from colours that stand out on a dark page, shown at once.
        m_state.darkScheme = darkDefaultScheme;
        m_state.editingDark = true;
    } else {
        const auto answer = m_ui.showMessage(
            tr("You are about to remove the Dark Set of colors.\r\nAre you sure?"),
            PlatformUi::Buttons::YesNo, PlatformUi::Icon::None, tr("Confirm Remove Dark Set"));
        if (answer != PlatformUi::Answer::Yes)
            return;
        m_state.darkScheme.reset();
        m_state.editingDark = false;
    }
    m_state.setSchemeModified(true);
    emit setChanged();
}

} // namespace brisvane
