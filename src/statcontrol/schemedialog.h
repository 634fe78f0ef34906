#pragma once

#include "statcontrol/core/analysedperiod.h"
#include "ui/modaldialog.h"

class QLineEdit;
class QPushButton;

namespace ui {
class RadioGroup;
}

namespace statcontrol {

class TfmPeriod_analiz2;

// TfmPeriod_Analiz1: the analysed period's sampling scheme and the specified strength. OK
// shows the batch data dialog of the chosen scheme; when that closes, by either of its
// buttons, this one closes too.
class TfmPeriod_Analiz1 : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmPeriod_Analiz1(SchemeForm &form, TfmPeriod_analiz2 *fiveBySixDialog,
                      TfmPeriod_analiz2 *tenByThreeDialog, QWidget *parent = nullptr);

private:
    void BitBtn1Click();

    SchemeForm &m_form;
    TfmPeriod_analiz2 *m_fiveBySix;
    TfmPeriod_analiz2 *m_tenByThree;

    ui::RadioGroup *rgCount_Party;
    QLineEdit *edB;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

} // namespace statcontrol
