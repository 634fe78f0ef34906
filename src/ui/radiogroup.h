#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace ui {

// A captioned group of radio buttons read and set by item index; −1 means no item selected.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &name, const QString &caption, const QStringList &items,
               QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    int count() const;
    QRadioButton *button(int index) const;

private:
    QButtonGroup *m_buttons;
};

} // namespace ui
