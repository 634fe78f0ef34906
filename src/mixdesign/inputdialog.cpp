#include "mixdesign/inputdialog.h"

#include "mixdesign/core/calculation.h"
#include "mixdesign/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/radiogroup.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

TfmBNS::TfmBNS(MixDesignState &state, MixDesignPrompter &prompter, common::ReportSink reports,
               QWidget *parent)
    : ModalDialog(fieldsOf(state.bns), parent)
    , m_state(state)
    , m_prompter(prompter)
    , m_reports(std::move(reports))
{
    setObjectName(QStringLiteral("TfmBNS"));
    setWindowTitle(QStringLiteral("Данные для расчета состава бетона"));
    setHelpContext(ui::HelpContext::MixDesign);

    ui::RadioGroup *workability
        = addRadioGroup("rgYdoboykl", QStringLiteral("Показатель удобоукладываемости"),
                        {QStringLiteral("ОК, см"), QStringLiteral("Жесткость, сек")});
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Значение удобоукладываемости"), addEdit("edYdoboykl"));
    fields->addRow(QStringLiteral("Марка цемента"),
                   addEdit("edMarkCem", QStringLiteral("000;1; "), 3));
    fields->addRow(QStringLiteral("Класс бетона"), addEdit("edClassBet"));
    fields->addRow(QStringLiteral("Нормальная густота цементного теста, %"),
                   addEdit("edNGCT", QStringLiteral("00;1; "), 2));
    fields->addRow(QStringLiteral("Модуль крупности песка"),
                   addEdit("edMkr_P", QStringLiteral("0,0;1; "), 3));
    fields->addRow(QStringLiteral("Насыпная плотность песка, кг/л"),
                   addEdit("edNPl_P", QStringLiteral("0,00;1; "), 4));
    fields->addRow(QStringLiteral("Содержание примесей в песке, %"),
                   addEdit("edPr_P", QStringLiteral("0,0;1; "), 3));
    fields->addRow(QStringLiteral("Наибольшая крупность щебня, мм"), addEdit("edNKr_Sc"));
    fields->addRow(QStringLiteral("Насыпная плотность щебня, кг/л"),
                   addEdit("edNPl_Sc", QStringLiteral("0,00;1; "), 4));
    fields->addRow(QStringLiteral("Содержание примесей в щебне, %"),
                   addEdit("edPr_Sc", QStringLiteral("0,0;1; "), 3));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(workability);
    layout->addLayout(fields);
    QPushButton *ok = addOkButton("BitBtn1", [this] { return BitBtn1Click(); });
    layout->addLayout(ui::buttonRow(ok, addCloseButton("BitBtn2")));
    requireEveryField();
}

ui::ModalDialog::Outcome TfmBNS::BitBtn1Click()
{
    // A failed calculation is silent: no message, no window, no window number used.
    ui::sendReport(calculateMix(m_state, m_prompter), m_reports);
    return {};
}

} // namespace mixdesign
