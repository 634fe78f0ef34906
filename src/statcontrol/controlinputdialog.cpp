#include "statcontrol/controlinputdialog.h"

#include "statcontrol/chartwindow.h"
#include "ui/dialogparts.h"
#include "ui/maskededit.h"
#include "ui/updown.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace statcontrol {

TfmPeriod_Control1::TfmPeriod_Control1(ControlForm &form, TfmPeriod_Control2 *chartWindow,
                                       QWidget *parent)
    : ModalDialog(parent)
    , m_form(form)
    , m_chartWindow(chartWindow)
    , edRy(ui::makeEdit(this, QStringLiteral("edRy")))
    , edCountParty(ui::makeEdit(this, QStringLiteral("edCountParty")))
    , UpDown1(new ui::UpDown(edCountParty, 1, 10, 3, this))
    , edRpr1(ui::makeEdit(this, QStringLiteral("edRpr1")))
    , edRpr2(ui::makeEdit(this, QStringLiteral("edRpr2")))
    , edRcor1(ui::makeEdit(this, QStringLiteral("edRcor1")))
    , edRcor2(ui::makeEdit(this, QStringLiteral("edRcor2")))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("TfmPeriod_Control1"));
    setWindowTitle(
        QStringLiteral("Проводится стат. контроль прочности бетона. Контролируемый период."));
    setHelpContext(42);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));

    auto *count = new QHBoxLayout;
    count->setSpacing(0);
    count->addWidget(edCountParty);
    count->addWidget(UpDown1);
    auto *rows = ui::editRows({{"Введите средний уровень прочности, МПа:", edRy}});
    rows->addRow(QStringLiteral("Введите количество  контролируемых партий:"), count);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(ui::editGroup(
        this, QStringLiteral("Введите пределы предупреждения, МПа"),
        {{"Верхний предел предупреждения:", edRpr1}, {"Нижний предел предупреждения:", edRpr2}}));
    layout->addWidget(ui::editGroup(this, QStringLiteral("Введите пределы корректирования, МПа"),
                                    {{"Верхний предел корректирования:", edRcor1},
                                     {"Нижний предел корректирования:", edRcor2}}));
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));

    setOkButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, &TfmPeriod_Control1::BitBtn1Click);
    connectCloseButton(BitBtn2);
    bindForm(fieldsOf(m_form));
}

void TfmPeriod_Control1::BitBtn1Click()
{
    saveToForm();
    m_chartWindow->exec();
    done(Ok);
}

} // namespace statcontrol
