#pragma once

#include <QDialog>

class QLabel;

namespace brisvane {

// The small yellow window that says which characters a colour field accepts. Its "More
// info." link asks the owner to open the help on changing colours. Assistive technology sees
// it as an alert, read out as it opens.
class frmHexErr : public QDialog {
    Q_OBJECT

public:
    explicit frmHexErr(QWidget* parent = nullptr);

    // What the window says, for assistive technology.
    QString message() const;

signals:
    void moreInfoRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_message = nullptr;
    QLabel* m_digits = nullptr;
    QLabel* m_lblMoInfo = nullptr;
};

} // namespace brisvane
