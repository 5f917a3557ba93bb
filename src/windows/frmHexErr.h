#pragma once

#include "windows/ClickTracker.h"

#include <QDialog>

class QLabel;

namespace brisvane {

// The small yellow window that says which characters a colour field accepts. Its "More
// info." link asks the owner to open the help on changing colours.
class frmHexErr : public QDialog {
    Q_OBJECT

public:
    explicit frmHexErr(QWidget* parent = nullptr);

signals:
    void moreInfoRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_lblMoInfo = nullptr;
    ClickTracker m_click;
};

} // namespace brisvane
