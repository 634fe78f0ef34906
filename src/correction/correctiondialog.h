#pragma once

#include "correction/core/correction.h"
#include "ui/modaldialog.h"

class QLineEdit;
class QPushButton;

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
    void bbcorrect_strengthClick();
    void bbcorrect_zapolnClick();
    void finish(const CorrectionResult &result);

    CorrectionForm &m_form;
    common::ReportSink m_reports;

    ui::FixedTabWidget *page;
    QLineEdit *edRb1;
    QLineEdit *edC_V1;
    QLineEdit *edRb2;
    QLineEdit *edC_V2;
    QLineEdit *edRtr;
    QLineEdit *edV;
    QLineEdit *edP;
    QLineEdit *edSC;
    QLineEdit *edVoda;
    QLineEdit *edWp;
    QLineEdit *edWsc;
    QLineEdit *edXp_sc;
    QLineEdit *edYsc_p;
    QPushButton *bbcorrect_strength;
    QPushButton *BitBtn2;
    QPushButton *bbcorrect_zapoln;
    QPushButton *BitBtn3;
};

} // namespace correction
