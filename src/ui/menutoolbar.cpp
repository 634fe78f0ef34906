#include "ui/menutoolbar.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace ui {

MenuToolBar::MenuToolBar(const QString &title, QWidget *parent)
    : QToolBar(title, parent)
    , m_menuBar(new QMenuBar(this))
    , m_menuBarAction(nullptr)
{
    m_menuBar->setNativeMenuBar(false);
    // Free to shrink below the room of all its entries: a row narrower than that keeps its
    // size, and the entries that do not fit go behind the bar's overflow button.
    m_menuBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_menuBarAction = addWidget(m_menuBar);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(this, &QToolBar::orientationChanged, this, &MenuToolBar::showFor);
}

void MenuToolBar::addMenu(QMenu *menu)
{
    m_menuBar->addMenu(menu);
    auto *button = new QToolButton(this);
    button->setMenu(menu);
    button->setText(menu->title());
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // A menu entry, not a button with a menu: no arrow.
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));
    QAction *action = addWidget(button);
    action->setVisible(orientation() == Qt::Vertical);
    m_buttonActions.append(action);
}

void MenuToolBar::showFor(Qt::Orientation orientation)
{
    const bool vertical = orientation == Qt::Vertical;
    m_menuBarAction->setVisible(!vertical);
    for (QAction *action : m_buttonActions)
        action->setVisible(vertical);
}

} // namespace ui
