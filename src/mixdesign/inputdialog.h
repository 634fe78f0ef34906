#pragma once

#include "common/report.h"
#include "mixdesign/core/forms.h"
#include "ui/modaldialog.h"

namespace mixdesign {

class MixDesignPrompter;

// TfmBNS: the mix design input dialog. Its OK (also Enter and Esc) runs the calculation of the
// base nominal mix and puts the report into a new report window; the dialog closes with OK
// after every press, whether or not a report came out.
class TfmBNS : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmBNS(MixDesignState &state, MixDesignPrompter &prompter, common::ReportSink reports,
           QWidget *parent = nullptr);

private:
    Outcome BitBtn1Click();

    MixDesignState &m_state;
    MixDesignPrompter &m_prompter;
    common::ReportSink m_reports;
};

} // namespace mixdesign
