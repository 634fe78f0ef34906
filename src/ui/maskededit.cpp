#include "ui/maskededit.h"

#include <QStringList>

namespace ui {

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
    if (!mask.isEmpty())
        edit->setInputMask(qtInputMask(mask));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

} // namespace ui
