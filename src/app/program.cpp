#include "app/program.h"

#include <QAction>

namespace app {

Program::Program()
    : m_mixDesign(m_mainWindow.reportWindows(), &m_mainWindow)
{
    connectCommands();
}

void Program::connectCommands()
{
    QObject::connect(m_mainWindow.action(shell::Command::NewMix), &QAction::triggered,
                     &m_mainWindow, [this] { m_mixDesign.showInputDialog(); });
}

} // namespace app
