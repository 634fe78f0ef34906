#include "mixdesign/economydialog.h"

#include "mixdesign/core/economy.h"
#include "mixdesign/core/formfields.h"
#include "ui/dialogparts.h"
#include "ui/radiogroup.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

Teconomy::Teconomy(MixDesignState &state, MixDesignPrompter &prompter, QWidget *parent)
    : ModalDialog(fieldsOf(state.economy), parent)
{
    setObjectName(QStringLiteral("Teconomy"));
    setWindowTitle(QStringLiteral("Технологические приемы для экономии цемента"));
    setHelpContext(ui::HelpContext::MixDesign);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(addRadioGroup(
        "rgEconomy", QStringLiteral("Предлагаемые решения"),
        {QStringLiteral("нет нужного решения"),
         QStringLiteral("увеличение марки цемента (при отсутствии ограничений по F и W)"),
         QStringLiteral("увеличение проектного возраста бетона (90, 180 суток))"),
         QStringLiteral("введение воздухововлекающей добавки (при нормировании F)"),
         QStringLiteral("введение золы-унос"), QStringLiteral("введение суперпластификатора"),
         QStringLiteral("введение пластификатора")}));
    // A refusal cancels the selection (the measure dialog's result says so); the dialog itself
    // closes with OK all the same.
    QPushButton *ok
        = addOkButton("BitBtn1", [&state, &prompter] { return acceptEconomy(state, prompter); });
    layout->addLayout(ui::buttonRow(ok, addCloseButton("BitBtn2")));
    requireEveryField();
}

} // namespace mixdesign
