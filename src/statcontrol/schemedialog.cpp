#include "statcontrol/schemedialog.h"

#include "statcontrol/batchdialog.h"
#include "ui/dialogparts.h"
#include "ui/maskededit.h"
#include "ui/radiogroup.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace statcontrol {

TfmPeriod_Analiz1::TfmPeriod_Analiz1(SchemeForm &form, TfmPeriod_analiz2 *fiveBySixDialog,
                                     TfmPeriod_analiz2 *tenByThreeDialog, QWidget *parent)
    : ModalDialog(parent)
    , m_form(form)
    , m_fiveBySix(fiveBySixDialog)
    , m_tenByThree(tenByThreeDialog)
    , rgCount_Party(new ui::RadioGroup(QStringLiteral("rgCount_Party"),
                                       QStringLiteral("Выберите количество партий в "
                                                      "анализируемом периоде"),
                                       {QStringLiteral("5 партий (по 6 выборок в каждой)"),
                                        QStringLiteral("10 партий (по 3 выборки в каждой)")},
                                       this))
    , edB(ui::makeEdit(this, QStringLiteral("edB")))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("TfmPeriod_Analiz1"));
    setWindowTitle(
        QStringLiteral("Проводится стат. контроль прочности бетона. Анализируемый период."));
    setHelpContext(41);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rgCount_Party);
    layout->addLayout(ui::editRows({{"Заданная прочность бетона, МПа:", edB}}));
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));

    setOkButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, &TfmPeriod_Analiz1::BitBtn1Click);
    connectCloseButton(BitBtn2);
    bindForm(fieldsOf(m_form));
}

void TfmPeriod_Analiz1::BitBtn1Click()
{
    saveToForm();
    (m_form.rgCount_Party == 1 ? m_tenByThree : m_fiveBySix)->exec();
    done(Ok);
}

} // namespace statcontrol
