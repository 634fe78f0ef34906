#include "mixdesign/optionsdialog.h"

#include "mixdesign/core/formfields.h"
#include "mixdesign/core/optionsfile.h"
#include "ui/dialogparts.h"
#include "ui/radiogroup.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

TfmOptions::TfmOptions(OptionsForm &form, QWidget *parent)
    : ModalDialog(fieldsOf(form), parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("TfmOptions"));
    setWindowTitle(QStringLiteral("Опции для расчета БНС"));
    setHelpContext(ui::HelpContext::MixDesignOptions);

    auto *groups = new QGridLayout;
    groups->addWidget(yesNoGroup("rgWaterproof", "Нормируется водонепроницаемость ?"), 0, 0);
    groups->addWidget(yesNoGroup("rgFrost", "Нормируется морозостойкость ?"), 0, 1);
    groups->addWidget(yesNoGroup("rgArmatyra", "Применяется армирование изделий ?"), 1, 0);
    groups->addWidget(yesNoGroup("rgProparka", "Применяется пропаривание изделий ?"), 1, 1);
    groups->addWidget(
        yesNoGroup("rgEconomy", "Есть ли необходимость в мерах по экономии цемента ?"), 2, 0, 1, 2);
    groups->addWidget(addRadioGroup("rgZapolnitel", QStringLiteral("Вид крупного заполнителя"),
                                    {QStringLiteral("щебень"), QStringLiteral("гравий горный"),
                                     QStringLiteral("гравий речной (морской)")}),
                      3, 0, 1, 2);

    auto *edits = new QFormLayout;
    edits->addRow(QStringLiteral("Истин. плотность цемента , г/см. куб."),
                  densityEdit("edPlotnostC", "0,00;1; "));
    edits->addRow(QStringLiteral("Истин. плотность песка , г/см. куб."),
                  densityEdit("edPlotnostP", "0,00;1;*"));
    edits->addRow(QStringLiteral("Истин. плотность щебня , г/см. куб."),
                  densityEdit("edPlotnostSC", "0,00;1; "));
    edits->addRow(QStringLiteral("Температура бетонной смеси, град."), addEdit("edTemperatyr"));

    QPushButton *ok = addOkButton("BitBtn1", [] { return Outcome(); });
    QPushButton *close = addCloseButton("BitBtn2");
    QPushButton *save = addButton("BitBtn3", QStringLiteral("Сохранить опции"), [this] {
        return Outcome(saveOptions(m_form, optionsFileName), std::nullopt);
    });
    auto *buttons = ui::buttonRow(ok, close);
    buttons->insertWidget(0, save);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(edits);
    layout->addLayout(buttons);
    requireEveryField();
}

ui::RadioGroup *TfmOptions::yesNoGroup(const char *name, const char *caption)
{
    return addRadioGroup(name, QString::fromUtf8(caption),
                         {QStringLiteral("да"), QStringLiteral("нет")});
}

QLineEdit *TfmOptions::densityEdit(const char *name, const char *mask)
{
    return addEdit(name, QString::fromUtf8(mask), 4);
}

void TfmOptions::activated()
{
    // The saved options replace the shown ones at every showing; a missing, short or
    // unreadable file leaves them as they are, without a word.
    loadOptions(m_form, optionsFileName);
}

} // namespace mixdesign
