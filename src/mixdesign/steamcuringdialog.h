#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

class QLineEdit;
class QPushButton;

namespace ui {
class RadioGroup;
}

namespace mixdesign {

// TfmTVO: the steam-curing regime, the cement kind and the accelerator; its OK computes the
// release strength and, with a superplasticiser as accelerator, lowers the mix's water and
// W/C. Closing it changes nothing and the calculation goes on.
class TfmTVO : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmTVO(SteamCuringForm &form, WorkingValues &work, QWidget *parent = nullptr);

private:
    void BitBtn1Click();

    SteamCuringForm &m_form;
    WorkingValues &m_work;

    ui::RadioGroup *rgYskoriteli;
    ui::RadioGroup *rgVid_Cem;
    QLineEdit *edT_prop;
    QLineEdit *edT_vuderz;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

} // namespace mixdesign
