#pragma once

#include <QObject>
#include <vector>

class QWidget;

namespace brisvane {

class LabelButton;

// The hover lighting of a window's label-buttons: the pointer over a button's caption lights
// that button and no other; over the window's own background it lights none; over anything
// else it changes nothing.
class LabelButtonGroup : public QObject {
    Q_OBJECT

public:
    explicit LabelButtonGroup(QWidget* background);

    void add(LabelButton* button);
    // Lights the given button alone; nullptr lights none.
    void lightOnly(const LabelButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_background;
    std::vector<LabelButton*> m_buttons;
    bool m_dragFromBackground = false;
};

} // namespace brisvane
