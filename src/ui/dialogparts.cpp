#include "ui/dialogparts.h"

#include "ui/textconvert.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QBoxLayout *buttonRow(QPushButton *ok, QPushButton *close)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(close);
    return row;
}

QFormLayout *editRows(std::initializer_list<LabelledEdit> edits)
{
    auto *rows = new QFormLayout;
    for (const LabelledEdit &row : edits)
        rows->addRow(QString::fromUtf8(row.label), row.edit);
    return rows;
}

QGroupBox *editGroup(QWidget *parent, const QString &caption,
                     std::initializer_list<LabelledEdit> edits)
{
    auto *group = new QGroupBox(caption, parent);
    group->setLayout(editRows(edits));
    return group;
}

EditPage makeEditPage(QWidget *parent, const EditPageNames &names, QLineEdit *edit)
{
    EditPage page;
    page.sheet = new QWidget(parent);
    page.sheet->setObjectName(QString::fromUtf8(names.sheet));
    page.ok = makeButton(page.sheet, QString::fromUtf8(names.ok), QStringLiteral("OK"));
    page.close = makeButton(page.sheet, QString::fromUtf8(names.close), QStringLiteral("&Close"));

    auto *label = new QLabel(QString::fromUtf8(names.label), page.sheet);
    label->setWordWrap(true);
    label->setBuddy(edit);

    auto *layout = new QVBoxLayout(page.sheet);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addStretch();
    layout->addLayout(buttonRow(page.ok, page.close));
    return page;
}

void showFailure(QWidget *parent, const common::Failure &failure)
{
    const QString title = QApplication::applicationName();
    const QString message = toQt(failure.message);
    if (failure.kind == common::Failure::Kind::Refused)
        QMessageBox::information(parent, title, message);
    else
        QMessageBox::warning(parent, title, message);
}

} // namespace ui
