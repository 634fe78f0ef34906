#include "statcontrol/batchprompt.h"

#include "ui/dialogparts.h"
#include "ui/maskededit.h"
#include "ui/textconvert.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace statcontrol {

TfmPeriod_Control3::TfmPeriod_Control3(QWidget *parent)
    : ModalDialog(parent)
    , Label1(new QLabel(this))
    , edRi(ui::makeEdit(this, QStringLiteral("edRi")))
    , BitBtn1(ui::makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK")))
    , BitBtn2(ui::makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("TfmPeriod_Control3"));
    setWindowTitle(QStringLiteral("Стат. контроль прочности"));
    setHelpContext(42);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(edRi);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(edRi);
    layout->addLayout(ui::buttonRow(BitBtn1, BitBtn2));

    setOkButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(Ok); });
    connectCloseButton(BitBtn2);
}

std::string TfmPeriod_Control3::ask(const std::string &prompt)
{
    Label1->setText(ui::toQt(prompt));
    edRi->clear();
    exec();
    return ui::fromQt(edRi->text());
}

} // namespace statcontrol
