#pragma once

#include <QToolBar>

class QMenuBar;

namespace ui {

// A toolbar carrying a menu bar, so the menus can be docked on any side of a main window or
// float. Lying in a row it holds the menu bar, which may shrink below the room of all its
// entries (those that do not fit go behind the bar's overflow button), so a narrow window keeps
// its size. Docked on the left or right it shows the same menus as a column of buttons.
class MenuToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit MenuToolBar(const QString &title, QWidget *parent = nullptr);

    QMenuBar *menuBar() const { return m_menuBar; }

    // Adds a top-level menu, to the bar and as a button of the column.
    void addMenu(QMenu *menu);

private:
    void showFor(Qt::Orientation orientation);

    QMenuBar *m_menuBar;
    QAction *m_menuBarAction;
    QList<QAction *> m_buttonActions;
};

} // namespace ui
