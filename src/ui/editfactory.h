#pragma once

#include <QLineEdit>

namespace ui {

// The masks of the dialogs are written "digits;save-literals;blank" with '0' for a required
// digit ("0,00;1; "); Qt writes a required digit as '9' and knows no save-literals flag
// ("9,99; "). An empty mask gives an empty Qt mask.
QString qtInputMask(const QString &mask);

// A numeric edit named after its control, with the dialog's mask (if any) and maximum length.
// A decimal point typed into it (main keys or keypad) enters the decimal comma.
QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &mask = {},
                    int maxLength = 0);

} // namespace ui
