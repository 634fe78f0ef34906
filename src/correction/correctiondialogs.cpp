#include "correction/correctiondialogs.h"

#include "correction/mixcorrectiondialog.h"

namespace correction {

CorrectionDialogs::CorrectionDialogs(const ui::SubsystemHost &host)
    : m_dialog(new Tcorrection(m_form, host.showReport, host.dialogParent))
{
}

CorrectionDialogs::~CorrectionDialogs()
{
    delete m_dialog;
}

void CorrectionDialogs::offerCommands(const ui::SubsystemHost &host)
{
    host.offerCommand(ui::Command::CorrectStrength, [this] { show(CorrectionPage::Strength); });
    host.offerCommand(ui::Command::CorrectAggregates, [this] { show(CorrectionPage::Aggregates); });
}

void CorrectionDialogs::show(CorrectionPage page)
{
    m_dialog->choosePage(page);
    m_dialog->exec();
}

} // namespace correction
