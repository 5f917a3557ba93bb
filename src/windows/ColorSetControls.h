#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace brisvane {

struct AppState;
class LabelButton;
class LabelButtonGroup;
class PlatformUi;

// The main window's band of colour sets: the Light/Dark switch of the set the window edits,
// the button that adds a dark set or removes it, and a line that says how far the parts of the
// set shown stand out from what they sit on.
class ColorSetControls : public QObject {
    Q_OBJECT

public:
    // Made on the form, in reading order; the buttons light as the form's others do.
    ColorSetControls(AppState& state, PlatformUi& ui, QWidget* form, LabelButtonGroup& lighting);

    // The button that adds or removes the dark set.
    QWidget* darkSetButton() const;
    // Shows which set the window edits and whether the project has a dark one.
    void showChoice();
    // Says the contrast of the set shown: after every change of its colours.
    void showContrast();

signals:
    // The window is to show the set now edited: the other one was chosen, or the dark set was
    // added or removed.
    void setChanged();

private:
    void choose(bool dark);
    void lblDarkSet_Click();

    AppState& m_state;
    PlatformUi& m_ui;
    LabelButton* m_lblLight = nullptr;
    LabelButton* m_lblDark = nullptr;
    LabelButton* m_lblDarkSet = nullptr;
    QLabel* m_lblContrast = nullptr;
};

} // namespace brisvane
