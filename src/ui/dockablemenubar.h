#pragma once

#include <QMenuBar>

namespace ui {

// A menu bar carried on a toolbar, so it can be docked on any side or float. Docked, it asks
// for no more room than its overflow button and takes what the row gives it, so a narrow window
// keeps its size and the entries that do not fit go behind the overflow button; floating, it
// asks for the room of all its entries.
class DockableMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    explicit DockableMenuBar(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // Call when the carrying toolbar starts or stops floating.
    void carrierChanged();
};

} // namespace ui
