#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ui {

// A spin control beside an edit: its arrows (and the Up and Down keys in the edit) step the
// whole number in the edit within a range, wrapping from the top to the bottom and back. What
// the user types into the edit is not limited; a text that is no whole number in the range
// steps from the control's last position.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    UpDown(QLineEdit *edit, int minimum, int maximum, int position, QWidget *parent = nullptr);

    void stepUp() { step(1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(int delta);

    QLineEdit *m_edit;
    int m_minimum;
    int m_maximum;
    int m_position;
};

} // namespace ui
