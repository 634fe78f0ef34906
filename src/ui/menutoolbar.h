#pragma once

#include <QToolBar>

class QMenuBar;
class QToolButton;

namespace ui {

class MenuButtonRows;

// A toolbar carrying a menu bar, so the menus can be docked on any side of a main window or
// float. Lying in a row with room for all its menus it holds the menu bar; where the room is
// short (a narrow window) and when docked on the left or right it shows the same menus as
// buttons in as many rows as they need, so every menu stays in reach. Floating, it has a
// caption with its title.
class MenuToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit MenuToolBar(const QString &title, QWidget *parent = nullptr);

    QMenuBar *menuBar() const { return m_menuBar; }

    // Adds a top-level menu, to the bar and as a button of the rows.
    void addMenu(QMenu *menu);

    // Are the menus shown as buttons?
    bool showsButtons() const;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void choosePresentation();
    void showCaption();

    QMenuBar *m_menuBar;
    QAction *m_menuBarAction;
    MenuButtonRows *m_rows;
    QAction *m_rowsAction;
    bool m_captionPending = false;
};

// Buttons laid out left to right in as many rows as the width needs; the widget's height
// follows its width.
class MenuButtonRows : public QWidget
{
    Q_OBJECT

public:
    explicit MenuButtonRows(QWidget *parent = nullptr);

    void addButton(QToolButton *button);
    int heightFor(int width) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Places the buttons for `width`; returns the height they take.
    int layOut(int width, bool move) const;

    QList<QToolButton *> m_buttons;
};

} // namespace ui
