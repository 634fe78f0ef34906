#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

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
    ui::RadioGroup *yesNoGroup(const char *name, const char *caption);
    // A true density: one digit, the comma and two digits.
    QLineEdit *densityEdit(const char *name, const char *mask);

    OptionsForm &m_form;
};

} // namespace mixdesign
