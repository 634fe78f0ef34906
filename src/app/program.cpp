#include "app/program.h"

#include "shell/reportwindows.h"

#include <QCoreApplication>

namespace app {

using shell::Command;

Program::Program()
    : Program(QStringList {QStringLiteral("-ns")})
{
}

Program::Program(const QStringList &arguments)
    : m_splash(shell::showSplash(arguments, QCoreApplication::applicationFilePath()))
    , m_mixDesign(subsystemHost())
    , m_correction(subsystemHost())
    , m_statControl(subsystemHost())
    , m_register(subsystemHost())
    , m_about(std::make_unique<shell::TfmAbout>(&m_mainWindow))
    , m_documents(m_mainWindow.mdiArea(), m_mainWindow.reportWindows(), &m_mainWindow)
    , m_pictures(&m_mainWindow)
    , m_help(std::make_unique<shell::HelpViewer>(&m_mainWindow))
{
    m_help->serveDialogsOf(&m_mainWindow);
    offerShellCommands();
    m_mixDesign.offerCommands(subsystemHost());
    m_correction.offerCommands(subsystemHost());
    m_statControl.offerCommands(subsystemHost());
    m_register.offerCommands(subsystemHost());
    // An analysed period drawn from the register fills the documented dialogs, whose OK then
    // writes the documented report.
    m_register.setPeriodHandler([this](const journal::AnalysedPeriod &period) {
        m_statControl.showAnalysedPeriod(period.choice, period.batches);
    });
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

ui::SubsystemHost Program::subsystemHost()
{
    ui::SubsystemHost host;
    host.dialogParent = &m_mainWindow;
    host.showReport = [this](const common::Report &report) {
        m_mainWindow.reportWindows().show(report);
    };
    host.offerCommand = [this](Command command, std::function<void()> run) {
        m_mainWindow.offerCommand(command, std::move(run));
    };
    host.offerWindowCommand = [this](Command command, std::function<void()> run) {
        m_mainWindow.offerCommand(command, std::move(run),
                                  shell::TfmForm1::AfterCommand::LeaveFocus);
    };
    return host;
}

void Program::offerShellCommands()
{
    m_mainWindow.offerCommand(Command::About, [this] { m_about->exec(); });
    m_mainWindow.offerCommand(Command::OpenText, [this] { m_documents.openText(); });
    m_mainWindow.offerCommand(Command::OpenPicture, [this] { m_pictures.openPicture(); });
    m_mainWindow.offerCommand(Command::Save, [this] { m_documents.save(); });
    m_mainWindow.offerCommand(Command::Print, [this] { m_documents.print(); });
    m_mainWindow.offerCommand(
        Command::Help, [this] { showHelpContents(); }, shell::TfmForm1::AfterCommand::LeaveFocus);
}

// "Помощь" always opens the contents: the main window's help context goes to 0 first.
void Program::showHelpContents()
{
    m_mainWindow.setHelpContext(ui::HelpContext::Contents);
    m_help->showContents();
}

} // namespace app
