#include "mixdesign/steamcuringdialog.h"

#include "mixdesign/core/formfields.h"
#include "mixdesign/core/steamcuring.h"
#include "ui/dialogparts.h"
#include "ui/maskededit.h"
#include "ui/radiogroup.h"
#include "ui/textconvert.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mixdesign {

TfmTVO::TfmTVO(SteamCuringForm &form, WorkingValues &work, QWidget *parent)
    : ModalDialog(parent)
    , m_form(form)
    , m_work(work)
    , rgYskoriteli(new ui::RadioGroup(
          QStringLiteral("rgYskoriteli"), QStringLiteral("Химические добавки-ускорители твердения"),
          {QStringLiteral("нет необходимой добавки"), QStringLiteral("сульфат натрия"),
           QStringLiteral("хлорид кальция"), QStringLiteral("\"Релаксол\""),
           QStringLiteral("суперпластификатор")},
          this))
    , rgVid_Cem(new ui::RadioGroup(
          QStringLiteral("rgVid_Cem"), QStringLiteral("Вид цемента по пропариванию"),
          {QStringLiteral("портландцемент 1 группы"), QStringLiteral("портландцемент 2 группы"),
           QStringLiteral("шлакопортландцемент")},
          this))
    , edT_prop(ui::makeEdit(this, QStringLiteral("edT_prop")))
    , edT_vuderz(ui::makeEdit(this, QStringLiteral("edT_vuderz")))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("TfmTVO"));
    setWindowTitle(QStringLiteral("Исходные данные для проведения ТВО"));
    setHelpContext(22);

    auto *edits = new QFormLayout;
    edits->addRow(QStringLiteral("Длительность пропаривания, ч."), edT_prop);
    edits->addRow(QStringLiteral("Время выдержки бетона после ТВО, ч."), edT_vuderz);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rgYskoriteli);
    layout->addWidget(rgVid_Cem);
    layout->addLayout(edits);
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));

    setOkButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, &TfmTVO::BitBtn1Click);
    connectCloseButton(BitBtn2);
    bindForm(fieldsOf(m_form));
}

void TfmTVO::BitBtn1Click()
{
    saveToForm();
    if (const auto failure = acceptSteamCuring(m_form, m_work))
        ui::showFailure(this, *failure);
    done(Ok);
}

} // namespace mixdesign
