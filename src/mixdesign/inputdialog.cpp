#include "mixdesign/inputdialog.h"

#include "mixdesign/core/calculation.h"
#include "mixdesign/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/maskededit.h"
#include "ui/radiogroup.h"
#include "ui/textconvert.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

TfmBNS::TfmBNS(MixDesignState &state, Prompter &prompter, common::ReportSink reports,
               QWidget *parent)
    : ModalDialog(parent)
    , m_state(state)
    , m_prompter(prompter)
    , m_reports(std::move(reports))
    , rgYdoboykl(new ui::RadioGroup(
          QStringLiteral("rgYdoboykl"), QStringLiteral("Показатель удобоукладываемости"),
          {QStringLiteral("ОК, см"), QStringLiteral("Жесткость, сек")}, this))
    , edYdoboykl(ui::makeEdit(this, QStringLiteral("edYdoboykl")))
    , edMarkCem(ui::makeEdit(this, QStringLiteral("edMarkCem"), QStringLiteral("000;1; "), 3))
    , edClassBet(ui::makeEdit(this, QStringLiteral("edClassBet")))
    , edNGCT(ui::makeEdit(this, QStringLiteral("edNGCT"), QStringLiteral("00;1; "), 2))
    , edMkr_P(ui::makeEdit(this, QStringLiteral("edMkr_P"), QStringLiteral("0,0;1; "), 3))
    , edNPl_P(ui::makeEdit(this, QStringLiteral("edNPl_P"), QStringLiteral("0,00;1; "), 4))
    , edPr_P(ui::makeEdit(this, QStringLiteral("edPr_P"), QStringLiteral("0,0;1; "), 3))
    , edNKr_Sc(ui::makeEdit(this, QStringLiteral("edNKr_Sc")))
    , edNPl_Sc(ui::makeEdit(this, QStringLiteral("edNPl_Sc"), QStringLiteral("0,00;1; "), 4))
    , edPr_Sc(ui::makeEdit(this, QStringLiteral("edPr_Sc"), QStringLiteral("0,0;1; "), 3))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("TfmBNS"));
    setWindowTitle(QStringLiteral("Данные для расчета состава бетона"));
    setHelpContext(22);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Значение удобоукладываемости"), edYdoboykl);
    fields->addRow(QStringLiteral("Марка цемента"), edMarkCem);
    fields->addRow(QStringLiteral("Класс бетона"), edClassBet);
    fields->addRow(QStringLiteral("Нормальная густота цементного теста, %"), edNGCT);
    fields->addRow(QStringLiteral("Модуль крупности песка"), edMkr_P);
    fields->addRow(QStringLiteral("Насыпная плотность песка, кг/л"), edNPl_P);
    fields->addRow(QStringLiteral("Содержание примесей в песке, %"), edPr_P);
    fields->addRow(QStringLiteral("Наибольшая крупность щебня, мм"), edNKr_Sc);
    fields->addRow(QStringLiteral("Насыпная плотность щебня, кг/л"), edNPl_Sc);
    fields->addRow(QStringLiteral("Содержание примесей в щебне, %"), edPr_Sc);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rgYdoboykl);
    layout->addLayout(fields);
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));

    setOkButton(BitBtn1);
    connectCloseButton(BitBtn2);
    connect(BitBtn1, &QPushButton::clicked, this, &TfmBNS::BitBtn1Click);
    bindForm(fieldsOf(m_state.bns));
}

void TfmBNS::BitBtn1Click()
{
    saveToForm();
    const MixDesignResult result = calculateMix(m_state, m_prompter);
    // A failed calculation is silent: no message, no window, no window number used.
    if (const auto *report = std::get_if<common::Report>(&result))
        m_reports(*report);
    done(Ok);
}

} // namespace mixdesign
