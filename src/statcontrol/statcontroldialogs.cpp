#include "statcontrol/statcontroldialogs.h"

#include "statcontrol/batchdialog.h"
#include "statcontrol/schemedialog.h"

namespace statcontrol {

StatControlDialogs::StatControlDialogs(const ui::SubsystemHost &host)
    : m_fiveBySixDialog(
        new TfmPeriod_analiz2(fiveBySix, m_fiveBySix, m_scheme, host.showReport, host.dialogParent))
    , m_tenByThreeDialog(new TfmPeriod_analiz2(tenByThree, m_tenByThree, m_scheme, host.showReport,
                                               host.dialogParent))
    , m_schemeDialog(
          new TfmPeriod_Analiz1(m_scheme, m_fiveBySixDialog, m_tenByThreeDialog, host.dialogParent))
{
}

StatControlDialogs::~StatControlDialogs()
{
    delete m_schemeDialog;
    delete m_tenByThreeDialog;
    delete m_fiveBySixDialog;
}

BatchForm &StatControlDialogs::batchForm(const Scheme &scheme)
{
    return &scheme == &tenByThree ? m_tenByThree : m_fiveBySix;
}

TfmPeriod_analiz2 *StatControlDialogs::batchDialog(const Scheme &scheme) const
{
    return &scheme == &tenByThree ? m_tenByThreeDialog : m_fiveBySixDialog;
}

void StatControlDialogs::offerCommands(const ui::SubsystemHost &host)
{
    host.offerCommand(ui::Command::AnalysedPeriod, [this] { m_schemeDialog->exec(); });
}

} // namespace statcontrol
