#include "mixdesign/economydialog.h"

#include "mixdesign/core/economy.h"
#include "mixdesign/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/radiogroup.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

Teconomy::Teconomy(MixDesignState &state, Prompter &prompter, QWidget *parent)
    : ModalDialog(parent)
    , m_state(state)
    , m_prompter(prompter)
    , rgEconomy(new ui::RadioGroup(
          QStringLiteral("rgEconomy"), QStringLiteral("Предлагаемые решения"),
          {QStringLiteral("нет нужного решения"),
           QStringLiteral("увеличение марки цемента (при отсутствии ограничений по F и W)"),
           QStringLiteral("увеличение проектного возраста бетона (90, 180 суток))"),
           QStringLiteral("введение воздухововлекающей добавки (при нормировании F)"),
           QStringLiteral("введение золы-унос"), QStringLiteral("введение суперпластификатора"),
           QStringLiteral("введение пластификатора")},
          this))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("Teconomy"));
    setWindowTitle(QStringLiteral("Технологические приемы для экономии цемента"));
    setHelpContext(22);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rgEconomy);
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));

    setOkButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, &Teconomy::BitBtn1Click);
    connectCloseButton(BitBtn2);
    bindForm(fieldsOf(m_state.economy));
}

void Teconomy::BitBtn1Click()
{
    saveToForm();
    // A refusal cancels the selection (the measure dialog's result says so); the dialog itself
    // closes with OK all the same.
    if (const auto refusal = acceptEconomy(m_state, m_prompter))
        ui::showFailure(this, *refusal);
    done(Ok);
}

} // namespace mixdesign
