#include "ui/menutoolbar.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace ui {

MenuToolBar::MenuToolBar(const QString &title, QWidget *parent)
    : QToolBar(title, parent)
    , m_menuBar(new QMenuBar(this))
    , m_menuBarAction(nullptr)
    , m_rows(new MenuButtonRows(this))
    , m_rowsAction(nullptr)
{
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_menuBarAction = addWidget(m_menuBar);
    m_rowsAction = addWidget(m_rows);
    m_rowsAction->setVisible(false);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(this, &QToolBar::orientationChanged, this, [this] { choosePresentation(); });
    connect(this, &QToolBar::topLevelChanged, this, [this] { choosePresentation(); });
}

void MenuToolBar::addMenu(QMenu *menu)
{
    m_menuBar->addMenu(menu);
    auto *button = new QToolButton(m_rows);
    button->setMenu(menu);
    button->setText(menu->title());
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    // A menu entry, not a button with a menu: no arrow.
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));
    m_rows->addButton(button);
    choosePresentation();
}

bool MenuToolBar::showsButtons() const
{
    return m_rowsAction->isVisible();
}

// The menu bar when the bar lies in a row with room for every menu, the buttons otherwise.
void MenuToolBar::choosePresentation()
{
    const int room
        = contentsRect().width() - 2 * style()->pixelMetric(QStyle::PM_ToolBarHandleExtent);
    const bool buttons
        = orientation() == Qt::Vertical || (!isFloating() && m_menuBar->sizeHint().width() > room);
    if (buttons == showsButtons())
        return;
    m_menuBarAction->setVisible(!buttons);
    m_rowsAction->setVisible(buttons);
}

void MenuToolBar::resizeEvent(QResizeEvent *event)
{
    QToolBar::resizeEvent(event);
    choosePresentation();
}

// A toolbar floats as a frameless window; once the user has put it down, it becomes a small
// window with a caption (its title) from the window manager. Dragged by its handle it docks
// again as before.
bool MenuToolBar::event(QEvent *event)
{
    const bool result = QToolBar::event(event);
    if (event->type() == QEvent::Show && isFloating() && !m_captionPending) {
        const Qt::WindowFlags flags = windowFlags();
        if ((flags & Qt::FramelessWindowHint) && !(flags & Qt::X11BypassWindowManagerHint)) {
            m_captionPending = true;
            QTimer::singleShot(0, this, &MenuToolBar::showCaption);
        }
    }
    return result;
}

void MenuToolBar::showCaption()
{
    m_captionPending = false;
    const Qt::WindowFlags flags = windowFlags();
    if (!isFloating() || !(flags & Qt::FramelessWindowHint)
        || (flags & Qt::X11BypassWindowManagerHint))
        return;
    const QPoint at = pos();
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    move(at);
    show();
}

// The menus must stay in reach: the caption's close box does not hide the bar.
void MenuToolBar::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

MenuButtonRows::MenuButtonRows(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void MenuButtonRows::addButton(QToolButton *button)
{
    m_buttons.append(button);
    updateGeometry();
}

int MenuButtonRows::layOut(int width, bool move) const
{
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    for (QToolButton *button : m_buttons) {
        const QSize size = button->sizeHint();
        if (x > 0 && x + size.width() > width) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        if (move)
            button->setGeometry(QRect(QPoint(x, y), size));
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
    return y + rowHeight;
}

int MenuButtonRows::heightFor(int width) const
{
    return layOut(width, false);
}

QSize MenuButtonRows::sizeHint() const
{
    // In one row, unless the width it has been given asks for more rows.
    int oneRow = 0;
    for (QToolButton *button : m_buttons)
        oneRow += button->sizeHint().width();
    const int width = isVisible() && this->width() > 0 ? this->width() : oneRow;
    return {width, heightFor(width)};
}

QSize MenuButtonRows::minimumSizeHint() const
{
    int widest = 0;
    for (QToolButton *button : m_buttons)
        widest = std::max(widest, button->sizeHint().width());
    return {widest, heightFor(width() > 0 ? width() : widest)};
}

void MenuButtonRows::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int height = layOut(width(), true);
    if (height != this->height()) {
        setFixedHeight(height);
        updateGeometry();
    }
}

} // namespace ui
