#pragma once

#include "ui/command.h"

#include <QObject>

#include <map>

class QAction;
class QWidget;

namespace shell {

using ui::Command;

// One QAction per command, named after its main-menu entry, with its caption, shortcut,
// picture and tooltip (the short part of its toolbar button's hint, before the "|"). The actions
// are parented to and added to the main window, so their shortcuts work wherever the menu bar and
// the toolbar are docked or floating.
class CommandActions : public QObject
{
    Q_OBJECT

public:
    explicit CommandActions(QWidget *mainWindow);

    QAction *action(Command command) const;

    // The long part of the hint of a command's toolbar button (the status-bar text); empty
    // for a command without a button.
    QString statusHint(Command command) const;

private:
    std::map<Command, QAction *> m_actions;
    std::map<Command, QString> m_statusHints;
};

// The two parts of a hint: "short|long" → tooltip "short", status text "long" (kept exactly,
// leading blanks included). A hint without "|" is both.
struct HintParts
{
    QString shortHint;
    QString longHint;
};
HintParts splitHint(const QString &hint);

} // namespace shell
