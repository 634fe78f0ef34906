#pragma once

#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

namespace mixdesign {

class MixDesignPrompter;

// Teconomy: the list of cement-saving measures. Its OK takes the mix as it is, refuses a
// measure that the options rule out, or opens the measure dialog on the measure's page.
class Teconomy : public ui::ModalDialog
{
    Q_OBJECT

public:
    Teconomy(MixDesignState &state, MixDesignPrompter &prompter, QWidget *parent = nullptr);
};

} // namespace mixdesign
