#pragma once

#include "statcontrol/core/forms.h"
#include "ui/modaldialog.h"

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
};

} // namespace statcontrol
