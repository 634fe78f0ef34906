#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

class QPushButton;

namespace ui {
class RadioGroup;
}

namespace mixdesign {

class Prompter;

// Teconomy: the list of cement-saving measures. Its OK takes the mix as it is, refuses a
// measure that the options rule out, or opens the measure dialog on the measure's page.
class Teconomy : public ui::ModalDialog
{
    Q_OBJECT

public:
    Teconomy(MixDesignState &state, Prompter &prompter, QWidget *parent = nullptr);

private:
    void BitBtn1Click();

    MixDesignState &m_state;
    Prompter &m_prompter;

    ui::RadioGroup *rgEconomy;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

} // namespace mixdesign
