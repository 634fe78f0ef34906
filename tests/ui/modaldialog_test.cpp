#include "ui/modaldialog.h"

#include <QLineEdit>
#include <QTest>

#include <stdexcept>
#include <string>

namespace {

struct TwoFieldForm
{
    std::string edA = "1";
    int rgB = 0;
};

common::FormFields fieldsOf(TwoFieldForm &form)
{
    return {"TTwoFields", {common::edit("edA", form.edA), common::radioGroup("rgB", form.rgB, 2)}};
}

// A dialog that builds the controls it is told to, as a dialog of the program does.
class BuiltDialog : public ui::ModalDialog
{
public:
    BuiltDialog(TwoFieldForm &form, const std::string &edit, const std::string &group, int items)
        : ModalDialog(fieldsOf(form))
    {
        if (!edit.empty())
            addEdit(edit);
        if (!group.empty()) {
            QStringList texts;
            for (int i = 0; i < items; ++i)
                texts << QString::number(i);
            addRadioGroup(group, QStringLiteral("B"), texts);
        }
        requireEveryField();
    }
};

} // namespace

// A control name that the form does not describe, or a described control left without its
// widget, is refused when the dialog is made, in every build: the normal build has NDEBUG (no
// Q_ASSERT), so this test passing there shows the check does not rest on assertions.
class ModalDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsMustMatchTheFormDescription_data();
    void controlsMustMatchTheFormDescription();
};

void ModalDialogTest::controlsMustMatchTheFormDescription_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("refusal"); // empty: the dialog is made
    QTest::newRow("every control") << "edA"
                                   << "rgB" << 2 << QString();
    QTest::newRow("a misspelt edit") << "edAA"
                                     << "rgB" << 2 << "TTwoFields: the form describes no edit edAA";
    QTest::newRow("an edit by a radio group's name")
        << "rgB"
        << "" << 0 << "TTwoFields: the form describes no edit rgB";
    QTest::newRow("a described group without its widget")
        << "edA"
        << "" << 0 << "TTwoFields: no widget for rgB";
    QTest::newRow("another item count")
        << "edA"
        << "rgB" << 3 << "TTwoFields: rgB has 2 items in its form, not 3";
}

void ModalDialogTest::controlsMustMatchTheFormDescription()
{
    QFETCH(QString, edit);
    QFETCH(QString, group);
    QFETCH(int, items);
    QFETCH(QString, refusal);
    TwoFieldForm form;
    QString refused;
    try {
        BuiltDialog dialog(form, edit.toStdString(), group.toStdString(), items);
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edA"))->text(), QStringLiteral("1"));
    } catch (const std::logic_error &error) {
        refused = QString::fromStdString(error.what());
    }
    QCOMPARE(refused, refusal);
}

QTEST_MAIN(ModalDialogTest)
#include "modaldialog_test.moc"
