#include "statcontrol/statcontroldialogs.h"

#include "statcontrol/batchdialog.h"
#include "statcontrol/batchprompt.h"
#include "statcontrol/chartwindow.h"
#include "statcontrol/controlinputdialog.h"
#include "statcontrol/schemedialog.h"

namespace statcontrol {

StatControlDialogs::StatControlDialogs(const ui::SubsystemHost &host)
    : m_fiveBySixDialog(
        new TfmPeriod_analiz2(fiveBySix, m_fiveBySix, m_scheme, host.showReport, host.dialogParent))
    , m_tenByThreeDialog(new TfmPeriod_analiz2(tenByThree, m_tenByThree, m_scheme, host.showReport,
                                               host.dialogParent))
    , m_schemeDialog(
          new TfmPeriod_Analiz1(m_scheme, m_fiveBySixDialog, m_tenByThreeDialog, host.dialogParent))
    , m_batchPrompt(new TfmPeriod_Control3(host.dialogParent))
    , m_chartWindow(new TfmPeriod_Control2(m_control, m_batchPrompt, host.dialogParent))
    , m_controlDialog(new TfmPeriod_Control1(m_control, m_chartWindow, host.dialogParent))
{
}

StatControlDialogs::~StatControlDialogs()
{
    delete m_controlDialog;
    delete m_chartWindow;
    delete m_batchPrompt;
    delete m_schemeDialog;
    delete m_tenByThreeDialog;
    delete m_fiveBySixDialog;
}

void StatControlDialogs::offerCommands(const ui::SubsystemHost &host)
{
    host.offerCommand(ui::Command::AnalysedPeriod, [this] { m_schemeDialog->exec(); });
    host.offerCommand(ui::Command::ControlledPeriod, [this] { m_controlDialog->exec(); });
}

void StatControlDialogs::showAnalysedPeriod(const SchemeForm &choice, const BatchForm &batches)
{
    m_scheme = choice;
    BatchForm &kept = &schemeOf(choice) == &tenByThree ? m_tenByThree : m_fiveBySix;
    // A form of the other scheme's shape would not fit the dialog's edits.
    if (batches.edR.size() == kept.edR.size())
        kept = batches;
    m_schemeDialog->exec();
}

} // namespace statcontrol
