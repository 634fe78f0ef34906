#include "mixdesign/steamcuringdialog.h"

#include "mixdesign/core/formfields.h"
#include "mixdesign/core/steamcuring.h"
#include "ui/dialogparts.h"
#include "ui/radiogroup.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

TfmTVO::TfmTVO(SteamCuringForm &form, WorkingValues &work, QWidget *parent)
    : ModalDialog(fieldsOf(form), parent)
{
    setObjectName(QStringLiteral("TfmTVO"));
    setWindowTitle(QStringLiteral("Исходные данные для проведения ТВО"));
    setHelpContext(ui::HelpContext::MixDesign);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        addRadioGroup("rgYskoriteli", QStringLiteral("Химические добавки-ускорители твердения"),
                      {QStringLiteral("нет необходимой добавки"), QStringLiteral("сульфат натрия"),
                       QStringLiteral("хлорид кальция"), QStringLiteral("\"Релаксол\""),
                       QStringLiteral("суперпластификатор")}));
    layout->addWidget(addRadioGroup("rgVid_Cem", QStringLiteral("Вид цемента по пропариванию"),
                                    {QStringLiteral("портландцемент 1 группы"),
                                     QStringLiteral("портландцемент 2 группы"),
                                     QStringLiteral("шлакопортландцемент")}));
    auto *edits = new QFormLayout;
    edits->addRow(QStringLiteral("Длительность пропаривания, ч."), addEdit("edT_prop"));
    edits->addRow(QStringLiteral("Время выдержки бетона после ТВО, ч."), addEdit("edT_vuderz"));
    layout->addLayout(edits);
    QPushButton *ok
        = addOkButton("BitBtn1", [&form, &work] { return acceptSteamCuring(form, work); });
    layout->addLayout(ui::buttonRow(ok, addCloseButton("BitBtn2")));
    requireEveryField();
}

} // namespace mixdesign
