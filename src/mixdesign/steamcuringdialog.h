#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

namespace mixdesign {

// TfmTVO: the steam-curing regime, the cement kind and the accelerator; its OK computes the
// release strength and, with a superplasticiser as accelerator, lowers the mix's water and
// W/C. Closing it changes nothing and the calculation goes on.
class TfmTVO : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmTVO(SteamCuringForm &form, WorkingValues &work, QWidget *parent = nullptr);
};

} // namespace mixdesign
