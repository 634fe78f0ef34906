#include "statcontrol/schemedialog.h"

#include "statcontrol/batchdialog.h"
#include "statcontrol/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/radiogroup.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace statcontrol {

TfmPeriod_Analiz1::TfmPeriod_Analiz1(SchemeForm &form, TfmPeriod_analiz2 *fiveBySixDialog,
                                     TfmPeriod_analiz2 *tenByThreeDialog, QWidget *parent)
    : ModalDialog(fieldsOf(form), parent)
    , m_form(form)
    , m_fiveBySix(fiveBySixDialog)
    , m_tenByThree(tenByThreeDialog)
{
    setObjectName(QStringLiteral("TfmPeriod_Analiz1"));
    setWindowTitle(
        QStringLiteral("Проводится стат. контроль прочности бетона. Анализируемый период."));
    setHelpContext(ui::HelpContext::AnalysedPeriod);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(addRadioGroup(
        "rgCount_Party", QStringLiteral("Выберите количество партий в анализируемом периоде"),
        {QStringLiteral("5 партий (по 6 выборок в каждой)"),
         QStringLiteral("10 партий (по 3 выборки в каждой)")}));
    layout->addLayout(ui::editRows({{"Заданная прочность бетона, МПа:", addEdit("edB")}}));
    QPushButton *ok = addOkButton("BitBtn1", [this] { return BitBtn1Click(); });
    layout->addLayout(ui::buttonRow(ok, addCloseButton("BitBtn2")));
    requireEveryField();
}

ui::ModalDialog::Outcome TfmPeriod_Analiz1::BitBtn1Click()
{
    (&schemeOf(m_form) == &tenByThree ? m_tenByThree : m_fiveBySix)->exec();
    return {};
}

} // namespace statcontrol
