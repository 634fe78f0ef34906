#pragma once

#include "ui/modaldialog.h"

#include <string>

class QLabel;
class QLineEdit;

namespace statcontrol {

// TfmPeriod_Control3: the prompt for one batch's strength; a label, an edit, OK and Close, and
// no logic of its own.
class TfmPeriod_Control3 : public ui::ModalDialog
{
    Q_OBJECT

public:
    explicit TfmPeriod_Control3(QWidget *parent = nullptr);

    // Shows `prompt` over an emptied edit, modally; the edit's text when the dialog closes,
    // by either button.
    std::string ask(const std::string &prompt);

private:
    QLabel *Label1;
    QLineEdit *edRi;
};

} // namespace statcontrol
