#pragma once

#include "common/report.h"
#include "ui/command.h"

#include <functional>

class QWidget;

namespace ui {

// What the program lends a subsystem: the window that parents its dialogs, where its finished
// reports go, and the means to offer its commands. A subsystem knows nothing more of the
// program around it.
struct SubsystemHost
{
    // The main window: the parent of every dialog, created once at start-up.
    QWidget *dialogParent = nullptr;
    // Puts a finished report into a new report window.
    common::ReportSink showReport;
    // Makes `run` what the command does (its menu entry, toolbar button, shortcut and popup
    // entries) and enables the command. When `run` returns, the main window has the keyboard
    // again.
    std::function<void(Command command, std::function<void()> run)> offerCommand;
    // The same for a command that shows a window of its own beside the main window: when `run`
    // returns, that window keeps the keyboard.
    std::function<void(Command command, std::function<void()> run)> offerWindowCommand;
};

} // namespace ui
