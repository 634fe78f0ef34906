#pragma once

#include "correction/correctiondialogs.h"
#include "mixdesign/mixdesigndialogs.h"
#include "register/registerdialogs.h"
#include "shell/aboutdialog.h"
#include "shell/documentcommands.h"
#include "shell/helpviewer.h"
#include "shell/mainwindow.h"
#include "shell/picturecommands.h"
#include "shell/splash.h"
#include "statcontrol/statcontroldialogs.h"
#include "ui/subsystemhost.h"

#include <QPointer>

#include <memory>

namespace app {

// The whole program: the splash, the main window, then every dialog once, in the start-up
// order, each subsystem offering its own commands to the main window. Members are destroyed in
// reverse order, so the dialogs go before the main window that parents them.
class Program
{
public:
    // Without a command line: no splash.
    Program();
    // `arguments`: the command line without the program's name ("-ns" or "/ns": no splash).
    explicit Program(const QStringList &arguments);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Shows the main window maximised, the splash (if up) above it.
    void show();

    shell::TfmForm1 &mainWindow() { return m_mainWindow; }
    mixdesign::MixDesignDialogs &mixDesign() { return m_mixDesign; }
    shell::PictureCommands &pictures() { return m_pictures; }
    // The splash while it is up; null once it has closed or when it was not shown.
    shell::TabcsfSplash *splash() const { return m_splash; }

private:
    ui::SubsystemHost subsystemHost();
    void offerShellCommands();
    void showHelpContents();

    QPointer<shell::TabcsfSplash> m_splash;
    shell::TfmForm1 m_mainWindow;
    mixdesign::MixDesignDialogs m_mixDesign;
    correction::CorrectionDialogs m_correction;
    statcontrol::StatControlDialogs m_statControl;
    journal::RegisterDialogs m_register;
    std::unique_ptr<shell::TfmAbout> m_about;
    shell::DocumentCommands m_documents;
    shell::PictureCommands m_pictures;
    std::unique_ptr<shell::HelpViewer> m_help;
};

} // namespace app
