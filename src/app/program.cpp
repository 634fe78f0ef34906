#include "app/program.h"

#include <QAction>
#include <QCoreApplication>

namespace app {

using shell::Command;

Program::Program()
    : Program(QStringList {QStringLiteral("-ns")})
{
}

Program::Program(const QStringList &arguments)
    : m_splash(shell::showSplash(arguments, QCoreApplication::applicationFilePath()))
    , m_mixDesign(m_mainWindow.reportWindows(), &m_mainWindow)
    , m_about(std::make_unique<shell::TfmAbout>(&m_mainWindow))
{
    connectCommands();
    disableCommandsToCome();
}

Program::~Program()
{
    delete m_splash;
}

void Program::show()
{
    m_mainWindow.showMaximized();
    if (m_splash)
        m_splash->raise();
}

void Program::connectCommands()
{
    QObject::connect(m_mainWindow.action(Command::NewMix), &QAction::triggered, &m_mainWindow,
                     [this] { m_mixDesign.showInputDialog(); });
    QObject::connect(m_mainWindow.action(Command::About), &QAction::triggered, &m_mainWindow,
                     [this] { m_about->exec(); });
}

// The commands whose dialogs are not part of the program yet stay visible but disabled.
void Program::disableCommandsToCome()
{
    for (Command command :
         {Command::OpenPicture, Command::MixOptions, Command::CorrectStrength,
          Command::CorrectAggregates, Command::AnalysedPeriod, Command::ControlledPeriod})
        m_mainWindow.action(command)->setEnabled(false);
}

} // namespace app
