#pragma once

#include <QTabWidget>

namespace ui {

// A tab widget whose page the program chooses: a change of tab by the user (a click, the
// keyboard, the mouse wheel) is refused and the chosen page stays.
class FixedTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit FixedTabWidget(QWidget *parent = nullptr);

    // Makes `index` the page shown, as the program (not the user) decides.
    void choosePage(int index);

private:
    void refuseChange(int index);

    int m_chosen = -1;
    bool m_choosing = false;
};

} // namespace ui
