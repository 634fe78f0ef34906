#pragma once

#include "statcontrol/core/controlchart.h"
#include "ui/modaldialog.h"

class QLineEdit;
class QPushButton;

namespace ui {
class UpDown;
}

namespace statcontrol {

class TfmPeriod_Control2;

// TfmPeriod_Control1: the level and the limits of the controlled period and the number of its
// batches. OK shows the chart window, reading nothing itself; when the chart window closes,
// this one closes too.
class TfmPeriod_Control1 : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmPeriod_Control1(ControlForm &form, TfmPeriod_Control2 *chartWindow,
                       QWidget *parent = nullptr);

private:
    void BitBtn1Click();

    ControlForm &m_form;
    TfmPeriod_Control2 *m_chartWindow;

    QLineEdit *edRy;
    QLineEdit *edCountParty;
    ui::UpDown *UpDown1;
    QLineEdit *edRpr1;
    QLineEdit *edRpr2;
    QLineEdit *edRcor1;
    QLineEdit *edRcor2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

} // namespace statcontrol
