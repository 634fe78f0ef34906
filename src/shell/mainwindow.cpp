#include "shell/mainwindow.h"

#include "shell/commandmenus.h"
#include "shell/programpicture.h"
#include "shell/reportwindows.h"
#include "shell/windowarrangement.h"
#include "ui/gradientmdiarea.h"
#include "ui/menutoolbar.h"
#include "ui/titlebarstyle.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace shell {

TfmForm1::TfmForm1(QWidget *parent)
    : QMainWindow(parent)
    , m_area(new ui::GradientMdiArea(this))
    , m_commands(new CommandActions(this))
    , m_reports(new ReportWindows(m_area, this))
{
    setObjectName(QStringLiteral("TfmForm1"));
    setWindowTitle(QStringLiteral("ЛОВИЗ-6.3"));
    setWindowIcon(programIcon());
    placeCentred();
    m_area->setObjectName(QStringLiteral("MDIArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    decorateArea();
    createBars();
    connectWindowCommands();
    m_reports->setPopupActions(m_commands);
}

TfmForm1::~TfmForm1() = default;

QAction *TfmForm1::action(Command command) const
{
    return m_commands->action(command);
}

QMenu *TfmForm1::createPopupMenu()
{
    return nullptr;
}

void TfmForm1::placeCentred()
{
    const QSize restored(577, 358);
    resize(restored);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QRect(QPoint(), restored).center());
}

void TfmForm1::decorateArea()
{
    ui::TitleBarStyle::install(m_area);
    PopupMenu1 = shell::createPopupMenu(*m_commands, this);
    m_area->setContextMenuPolicy(Qt::CustomContextMenu);
    // The position comes in the coordinates of the area's viewport.
    connect(m_area, &QWidget::customContextMenuRequested, this, [this](QPoint position) {
        PopupMenu1->popup(m_area->viewport()->mapToGlobal(position));
    });
}

void TfmForm1::createBars()
{
    auto *menuToolbar = new ui::MenuToolBar(QStringLiteral("Menu Bar"), this);
    menuToolbar->setObjectName(QStringLiteral("abcMenuToolbar1"));
    fillMainMenu(*m_commands, menuToolbar);
    abcMenuToolbar1 = menuToolbar;
    MainMenu1 = menuToolbar->menuBar();
    addToolBar(Qt::TopToolBarArea, abcMenuToolbar1);
    addToolBarBreak(Qt::TopToolBarArea);
    abcToolbar1 = createCommandToolbar(*m_commands, this);
    addToolBar(Qt::TopToolBarArea, abcToolbar1);

    // The status tips of the bars' buttons and menus reach the status bar also while a bar
    // floats in a window of its own.
    abcMenuToolbar1->installEventFilter(this);
    abcToolbar1->installEventFilter(this);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
}

void TfmForm1::connectWindowCommands()
{
    const auto here = AfterCommand::LeaveFocus;
    offerCommand(
        Command::Close, [this] { close(); }, here);
    offerCommand(
        Command::Cascade, [this] { cascadeWindows(m_area); }, here);
    offerCommand(
        Command::Tile, [this] { tileWindowsHorizontally(m_area); }, here);
    offerCommand(
        Command::NextWindow, [this] { activateNextWindow(m_area); }, here);
    offerCommand(
        Command::PreviousWindow, [this] { activatePreviousWindow(m_area); }, here);

    // Ctrl+F4 closes the active child window, as in every multi-document program.
    auto *closeChild = new QAction(this);
    closeChild->setObjectName(QStringLiteral("closeChildWindow"));
    closeChild->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    addAction(closeChild);
    connect(closeChild, &QAction::triggered, this, [this] {
        if (QMdiSubWindow *child = m_area->activeSubWindow())
            child->close();
    });
}

void TfmForm1::offerCommand(Command command, std::function<void()> run, AfterCommand after)
{
    QAction *commandAction = action(command);
    connect(commandAction, &QAction::triggered, this, [this, run = std::move(run), after] {
        run();
        if (after == AfterCommand::TakeKeyboardBack)
            takeKeyboardBack();
    });
    commandAction->setEnabled(true);
}

void TfmForm1::takeKeyboardBack()
{
    if (!isVisible())
        return;
    activateWindow();
    // While a dialog was active no child counted as active; the current one is the child
    // that becomes active with the main window.
    if (QMdiSubWindow *child = m_area->currentSubWindow()) {
        m_area->setActiveSubWindow(child);
        if (child->widget())
            child->widget()->setFocus(Qt::ActiveWindowFocusReason);
    } else {
        m_area->setFocus(Qt::ActiveWindowFocusReason);
    }
}

bool TfmForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        statusBar()->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace shell
