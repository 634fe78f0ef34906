#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

class QLineEdit;
class QPushButton;

namespace ui {
class RadioGroup;
}

namespace mixdesign {

// TfmOptions: the design options of the mix design. Each showing takes the saved options from
// options.slv in the current directory when the file is there; "Сохранить опции" saves them
// there and leaves the dialog open. The temperature is never saved.
class TfmOptions : public ui::ModalDialog
{
    Q_OBJECT

public:
    explicit TfmOptions(OptionsForm &form, QWidget *parent = nullptr);

protected:
    void activated() override;

private:
    void BitBtn3Click();

    OptionsForm &m_form;

    ui::RadioGroup *rgWaterproof;
    ui::RadioGroup *rgFrost;
    ui::RadioGroup *rgArmatyra;
    ui::RadioGroup *rgProparka;
    ui::RadioGroup *rgEconomy;
    ui::RadioGroup *rgZapolnitel;
    QLineEdit *edPlotnostC;
    QLineEdit *edPlotnostP;
    QLineEdit *edPlotnostSC;
    QLineEdit *edTemperatyr;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
};

} // namespace mixdesign
