#pragma once

#include "correction/core/correction.h"
#include "ui/modaldialog.h"

namespace ui {
class FixedTabWidget;
}

namespace correction {

// Tcorrection: the mix correction, one operation per page — by strength and C/W, and by the
// moisture and grading of the aggregates. The command that opens it chooses the page; the user
// cannot change it. OK (also Enter and Esc) runs the page's correction and puts its report
// into a new report window; the dialog closes with OK even when the correction failed, after
// the failure's message.
class Tcorrection : public ui::ModalDialog
{
    Q_OBJECT

public:
    Tcorrection(CorrectionForm &form, common::ReportSink reports, QWidget *parent = nullptr);

    // The page the next showing has: its OK answers Enter and Esc, F1 opens its help page.
    void choosePage(CorrectionPage page);

private:
    QWidget *strengthSheet();
    QWidget *aggregatesSheet();

    CorrectionForm &m_form;
    common::ReportSink m_reports;

    ui::FixedTabWidget *page;
    QPushButton *bbcorrect_strength = nullptr;
    QPushButton *bbcorrect_zapoln = nullptr;
};

} // namespace correction
