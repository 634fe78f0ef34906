#pragma once

#include "common/report.h"
#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

class QLineEdit;
class QPushButton;

namespace ui {
class RadioGroup;
}

namespace mixdesign {

class Prompter;

// TfmBNS: the mix design input dialog. Its OK (also Enter and Esc) runs the calculation of the
// base nominal mix and puts the report into a new report window; the dialog closes with OK
// after every press, whether or not a report came out.
class TfmBNS : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmBNS(MixDesignState &state, Prompter &prompter, common::ReportSink reports,
           QWidget *parent = nullptr);

private:
    void BitBtn1Click();

    MixDesignState &m_state;
    Prompter &m_prompter;
    common::ReportSink m_reports;

    ui::RadioGroup *rgYdoboykl;
    QLineEdit *edYdoboykl;
    QLineEdit *edMarkCem;
    QLineEdit *edClassBet;
    QLineEdit *edNGCT;
    QLineEdit *edMkr_P;
    QLineEdit *edNPl_P;
    QLineEdit *edPr_P;
    QLineEdit *edNKr_Sc;
    QLineEdit *edNPl_Sc;
    QLineEdit *edPr_Sc;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

} // namespace mixdesign
