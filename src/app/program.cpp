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
    , m_documents(m_mainWindow.mdiArea(), m_mainWindow.reportWindows(), &m_mainWindow)
    , m_help(std::make_unique<shell::HelpViewer>(&m_mainWindow))
{
    m_help->serveDialogsOf(&m_mainWindow);
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
    QObject::connect(m_mainWindow.action(Command::MixOptions), &QAction::triggered,
                     &m_mainWindow, [this] { m_mixDesign.showOptionsDialog(); });
    QObject::connect(m_mainWindow.action(Command::About), &QAction::triggered, &m_mainWindow,
                     [this] { m_about->exec(); });
    QObject::connect(m_mainWindow.action(Command::OpenText), &QAction::triggered, &m_documents,
                     &shell::DocumentCommands::openText);
    QObject::connect(m_mainWindow.action(Command::Save), &QAction::triggered, &m_documents,
                     &shell::DocumentCommands::save);
    QObject::connect(m_mainWindow.action(Command::Print), &QAction::triggered, &m_documents,
                     &shell::DocumentCommands::print);
    QObject::connect(m_mainWindow.action(Command::Help), &QAction::triggered, &m_mainWindow,
                     [this] { showHelpContents(); });
}

// "Помощь" always opens the contents: the main window's help context goes to 0 first.
void Program::showHelpContents()
{
    m_mainWindow.setHelpContext(0);
    m_help->showContents();
}

// The commands whose dialogs are not part of the program yet stay visible but disabled.
void Program::disableCommandsToCome()
{
    for (Command command :
         {Command::OpenPicture, Command::CorrectStrength,
          Command::CorrectAggregates, Command::AnalysedPeriod, Command::ControlledPeriod})
        m_mainWindow.action(command)->setEnabled(false);
}

} // namespace app
