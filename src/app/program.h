#pragma once

#include "mixdesign/mixdesigndialogs.h"
#include "shell/mainwindow.h"

namespace app {

// The whole program: the main window, then every dialog once, in the start-up order, with the
// main window's commands connected to them. Members are destroyed in reverse order, so the
// dialogs go before the main window that parents them.
class Program
{
public:
    Program();

    shell::TfmForm1 &mainWindow() { return m_mainWindow; }
    mixdesign::MixDesignDialogs &mixDesign() { return m_mixDesign; }

private:
    void connectCommands();

    shell::TfmForm1 m_mainWindow;
    mixdesign::MixDesignDialogs m_mixDesign;
};

} // namespace app
