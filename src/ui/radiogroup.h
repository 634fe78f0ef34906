#pragma once

#include <QGroupBox>

class QButtonGroup;

namespace ui {

// A captioned group of radio buttons read and set by item index; −1 means no item selected.
// Its buttons are named after it and their index: rgFrost_0, rgFrost_1, …
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &name, const QString &caption, const QStringList &items,
               QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);

private:
    QButtonGroup *m_buttons;
};

} // namespace ui
