#pragma once

#include "statcontrol/core/analysedperiod.h"
#include "ui/modaldialog.h"

class QTabWidget;

namespace statcontrol {

// TfmPeriod_analiz2_5 and TfmPeriod_analiz2_15: the samples of the analysed period, one tab per
// batch, one class for both schemes. OK (also Enter and Esc) computes the period's statistics
// and puts the report into a new report window, or shows "Ошибка при вводе данных"; the dialog
// closes with OK either way. The tab on view is kept for the next showing.
class TfmPeriod_analiz2 : public ui::ModalDialog
{
    Q_OBJECT

public:
    TfmPeriod_analiz2(const Scheme &scheme, BatchForm &form, const SchemeForm &choice,
                      common::ReportSink reports, QWidget *parent = nullptr);

    void done(int result) override;

protected:
    void activated() override;

private:
    QWidget *batchSheet(int batch, QList<QLineEdit *> &samples);
    Outcome BitBtn1Click();

    const Scheme &m_scheme;
    BatchForm &m_form;
    const SchemeForm &m_choice;
    common::ReportSink m_reports;

    QTabWidget *page;
};

} // namespace statcontrol
