#pragma once

#include "statcontrol/core/forms.h"
#include "ui/modaldialog.h"

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
    Outcome BitBtn1Click();

    SchemeForm &m_form;
    TfmPeriod_analiz2 *m_fiveBySix;
    TfmPeriod_analiz2 *m_tenByThree;
};

} // namespace statcontrol
