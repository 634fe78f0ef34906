#include "ui/editfactory.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStringList>

namespace ui {

namespace {

// Turns a decimal point typed into an edit, on the main keys or the keypad, into the decimal
// comma that the program's numbers are written with.
class DecimalComma : public QObject
{
public:
    explicit DecimalComma(QLineEdit *edit)
        : QObject(edit)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() != QLatin1String("."))
            return false;
        QKeyEvent comma(QEvent::KeyPress, Qt::Key_Comma, key->modifiers(), QStringLiteral(","),
                        key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(watched, &comma);
        return true;
    }
};

} // namespace

QString qtInputMask(const QString &mask)
{
    if (mask.isEmpty())
        return {};
    const QStringList parts = mask.split(QLatin1Char(';'));
    // '0' (a required digit) and '9' (an optional one) trade places; the other mask
    // characters of the dialogs are literals. The save-literals flag has no Qt counterpart:
    // Qt's text() always keeps the literals.
    QString digits = parts.value(0);
    for (QChar &c : digits) {
        if (c == QLatin1Char('0'))
            c = QLatin1Char('9');
        else if (c == QLatin1Char('9'))
            c = QLatin1Char('0');
    }
    const QString blank = parts.size() >= 3 ? parts.value(2) : QStringLiteral(" ");
    return digits + QLatin1Char(';') + (blank.isEmpty() ? QStringLiteral(" ") : blank.left(1));
}

QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &mask, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    new DecimalComma(edit);
    if (!mask.isEmpty())
        edit->setInputMask(qtInputMask(mask));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

} // namespace ui
