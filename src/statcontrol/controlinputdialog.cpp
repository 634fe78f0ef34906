#include "statcontrol/controlinputdialog.h"

#include "statcontrol/chartwindow.h"
#include "statcontrol/core/formfields.h"
#include "ui/dialogparts.h"
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
    : ModalDialog(fieldsOf(form), parent)
{
    setObjectName(QStringLiteral("TfmPeriod_Control1"));
    setWindowTitle(
        QStringLiteral("Проводится стат. контроль прочности бетона. Контролируемый период."));
    setHelpContext(ui::HelpContext::ControlledPeriod);

    auto *rows = ui::editRows({{"Введите средний уровень прочности, МПа:", addEdit("edRy")}});
    QLineEdit *countParty = addEdit("edCountParty");
    auto *spin = new ui::UpDown(countParty, 1, 10, 3, this);
    spin->setObjectName(QStringLiteral("UpDown1"));
    auto *count = new QHBoxLayout;
    count->setSpacing(0);
    count->addWidget(countParty);
    count->addWidget(spin);
    rows->addRow(QStringLiteral("Введите количество  контролируемых партий:"), count);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(ui::editGroup(this, QStringLiteral("Введите пределы предупреждения, МПа"),
                                    {{"Верхний предел предупреждения:", addEdit("edRpr1")},
                                     {"Нижний предел предупреждения:", addEdit("edRpr2")}}));
    layout->addWidget(ui::editGroup(this, QStringLiteral("Введите пределы корректирования, МПа"),
                                    {{"Верхний предел корректирования:", addEdit("edRcor1")},
                                     {"Нижний предел корректирования:", addEdit("edRcor2")}}));
    QPushButton *ok = addOkButton("BitBtn1", [chartWindow] {
        chartWindow->exec();
        return Outcome();
    });
    layout->addLayout(ui::buttonRow(ok, addCloseButton("BitBtn2")));
    requireEveryField();
}

} // namespace statcontrol
