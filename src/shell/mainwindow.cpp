#include "shell/mainwindow.h"

#include "shell/reportwindows.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>

namespace shell {

TfmForm1::TfmForm1(QWidget *parent)
    : QMainWindow(parent)
    , m_area(new QMdiArea(this))
    , m_reports(new ReportWindows(m_area, this))
{
    setObjectName(QStringLiteral("TfmForm1"));
    setWindowTitle(QStringLiteral("ЛОВИЗ-6.3"));
    resize(577, 358);
    m_area->setObjectName(QStringLiteral("MDIArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    createActions();
    createMenus();
}

TfmForm1::~TfmForm1() = default;

QAction *TfmForm1::action(Command command) const
{
    return m_actions.at(command);
}

void TfmForm1::createActions()
{
    auto *newMix = new QAction(QStringLiteral("Новый БНС..."), this);
    newMix->setObjectName(QStringLiteral("N12"));
    newMix->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A));
    m_actions[Command::NewMix] = newMix;
}

void TfmForm1::createMenus()
{
    QMenu *mix = menuBar()->addMenu(QStringLiteral("  Расчет БНС"));
    mix->setObjectName(QStringLiteral("N11"));
    mix->addAction(action(Command::NewMix));
}

} // namespace shell
