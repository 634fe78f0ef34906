#pragma once

#include "shell/commands.h"
#include "ui/helpcontext.h"

#include <QMainWindow>

#include <functional>

class QMdiArea;
class QMenu;
class QMenuBar;
class QToolBar;

namespace shell {

class ReportWindows;

// TfmForm1: the main window, a multi-document frame holding the report windows. It carries the
// commands (menu bar on a dockable bar, toolbar, popup of the free area, shortcuts), shows the
// long part of the current hint in its status bar and arranges its child windows itself; the
// other commands are offered to it by the shell's document commands and by the subsystems. A
// command that nobody offers stays disabled.
class TfmForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfmForm1(QWidget *parent = nullptr);
    ~TfmForm1() override;

    QMdiArea *mdiArea() const { return m_area; }
    ReportWindows &reportWindows() const { return *m_reports; }
    QAction *action(Command command) const;

    // What the keyboard does after a command has run.
    enum class AfterCommand {
        TakeKeyboardBack, // the main window is active again (a modal chain has ended)
        LeaveFocus,       // the command showed a window of its own beside the main window
    };
    // Makes `run` what the command does and enables it; a command is offered once.
    void offerCommand(Command command, std::function<void()> run,
                      AfterCommand after = AfterCommand::TakeKeyboardBack);
    // Activates the main window and gives the keyboard to the current report window (or to
    // the free area when there is none).
    void takeKeyboardBack();

    QMenuBar *mainMenu() const { return MainMenu1; }
    QToolBar *menuToolbar() const { return abcMenuToolbar1; }
    QToolBar *commandToolbar() const { return abcToolbar1; }
    QMenu *popupMenu() const { return PopupMenu1; }

    // The help context: the main window's at start-up.
    ui::HelpContext helpContext() const { return m_helpContext; }
    void setHelpContext(ui::HelpContext context) { m_helpContext = context; }

    // No menu of docks and toolbars to hide them.
    QMenu *createPopupMenu() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createBars();
    void decorateArea();
    void connectWindowCommands();
    void placeCentred();

    QMdiArea *m_area;
    CommandActions *m_commands;
    ReportWindows *m_reports;
    QMenuBar *MainMenu1 = nullptr;
    QToolBar *abcMenuToolbar1 = nullptr;
    QToolBar *abcToolbar1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    ui::HelpContext m_helpContext = ui::HelpContext::MainWindow;
};

} // namespace shell
