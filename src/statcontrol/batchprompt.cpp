#include "statcontrol/batchprompt.h"

#include "ui/dialogparts.h"
#include "ui/editfactory.h"
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
{
    setObjectName(QStringLiteral("TfmPeriod_Control3"));
    setWindowTitle(QStringLiteral("Стат. контроль прочности"));
    setHelpContext(ui::HelpContext::ControlledPeriod);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(edRi);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(edRi);
    QPushButton *ok = addOkButton("BitBtn1", [] { return Outcome(); });
    layout->addLayout(ui::buttonRow(ok, addCloseButton("BitBtn2")));
}

std::string TfmPeriod_Control3::ask(const std::string &prompt)
{
    Label1->setText(ui::toQt(prompt));
    edRi->clear();
    exec();
    return ui::fromQt(edRi->text());
}

} // namespace statcontrol
