#include "mixdesign/optionsdialog.h"

#include "mixdesign/core/formfields.h"
#include "mixdesign/core/optionsfile.h"
#include "ui/dialogparts.h"
#include "ui/maskededit.h"
#include "ui/radiogroup.h"
#include "ui/textconvert.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

namespace {

ui::RadioGroup *yesNoGroup(QWidget *parent, const char *name, const char *caption)
{
    return new ui::RadioGroup(QString::fromUtf8(name), QString::fromUtf8(caption),
                              {QStringLiteral("да"), QStringLiteral("нет")}, parent);
}

// A true density: one digit, the comma and two digits.
QLineEdit *densityEdit(QWidget *parent, const char *name, const char *mask)
{
    return ui::makeEdit(parent, QString::fromUtf8(name), QString::fromUtf8(mask), 4);
}

} // namespace

TfmOptions::TfmOptions(OptionsForm &form, QWidget *parent)
    : ModalDialog(parent)
    , m_form(form)
    , rgWaterproof(yesNoGroup(this, "rgWaterproof", "Нормируется водонепроницаемость ?"))
    , rgFrost(yesNoGroup(this, "rgFrost", "Нормируется морозостойкость ?"))
    , rgArmatyra(yesNoGroup(this, "rgArmatyra", "Применяется армирование изделий ?"))
    , rgProparka(yesNoGroup(this, "rgProparka", "Применяется пропаривание изделий ?"))
    , rgEconomy(
          yesNoGroup(this, "rgEconomy", "Есть ли необходимость в мерах по экономии цемента ?"))
    , rgZapolnitel(new ui::RadioGroup(QStringLiteral("rgZapolnitel"),
                                      QStringLiteral("Вид крупного заполнителя"),
                                      {QStringLiteral("щебень"), QStringLiteral("гравий горный"),
                                       QStringLiteral("гравий речной (морской)")},
                                      this))
    , edPlotnostC(densityEdit(this, "edPlotnostC", "0,00;1; "))
    , edPlotnostP(densityEdit(this, "edPlotnostP", "0,00;1;*"))
    , edPlotnostSC(densityEdit(this, "edPlotnostSC", "0,00;1; "))
    , edTemperatyr(ui::makeEdit(this, QStringLiteral("edTemperatyr")))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
    , BitBtn3(ui::makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Сохранить опции")))
{
    setObjectName(QStringLiteral("TfmOptions"));
    setWindowTitle(QStringLiteral("Опции для расчета БНС"));
    setHelpContext(21);

    auto *groups = new QGridLayout;
    groups->addWidget(rgWaterproof, 0, 0);
    groups->addWidget(rgFrost, 0, 1);
    groups->addWidget(rgArmatyra, 1, 0);
    groups->addWidget(rgProparka, 1, 1);
    groups->addWidget(rgEconomy, 2, 0, 1, 2);
    groups->addWidget(rgZapolnitel, 3, 0, 1, 2);

    auto *edits = new QFormLayout;
    edits->addRow(QStringLiteral("Истин. плотность цемента , г/см. куб."), edPlotnostC);
    edits->addRow(QStringLiteral("Истин. плотность песка , г/см. куб."), edPlotnostP);
    edits->addRow(QStringLiteral("Истин. плотность щебня , г/см. куб."), edPlotnostSC);
    edits->addRow(QStringLiteral("Температура бетонной смеси, град."), edTemperatyr);

    auto *buttons = ui::buttonRow(BitBtn1, BitBtn2);
    buttons->insertWidget(0, BitBtn3);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(edits);
    layout->addLayout(buttons);

    setOkButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(Ok); });
    connectCloseButton(BitBtn2);
    connect(BitBtn3, &QPushButton::clicked, this, &TfmOptions::BitBtn3Click);
    bindForm(fieldsOf(m_form));
}

void TfmOptions::activated()
{
    // The saved options replace the shown ones at every showing; a missing, short or
    // unreadable file leaves them as they are, without a word.
    loadOptions(m_form, optionsFileName);
}

void TfmOptions::BitBtn3Click()
{
    saveToForm();
    if (const auto failure = saveOptions(m_form, optionsFileName))
        ui::showFailure(this, *failure);
}

} // namespace mixdesign
