#pragma once

#include <QObject>

#include <map>

class QAction;
class QWidget;

namespace shell {

// The commands of the main window. Each is one action, shared by its menu entry, toolbar
// button and shortcut; the popup entries trigger it, so they all do the same thing.
enum class Command {
    OpenText, // "Открыть текст..."
    OpenPicture, // "Открыть графику..."
    Save, // "Сохранить..."
    Print, // "Печать..."
    Close, // "Закрыть"
    Cascade, // "Каскад"
    Tile, // "Мозаика"
    NextWindow, // "Следующее"
    PreviousWindow, // "Предыдущее"
    NewMix, // "Новый БНС..."
    MixOptions, // "Опции для расчета..."
    CorrectStrength, // "по Ц/В и прочности бетона..."
    CorrectAggregates, // "по гранулометрии и влажности заполнителей..."
    AnalysedPeriod, // "Анализируемый период..."
    ControlledPeriod, // "Контролируемый период..."
    Help, // "Помощь"
    About, // "О программе..."
};

// One QAction per command, named after its main-menu entry, with its caption, shortcut,
// picture and tooltip (the short part of its toolbar button's hint, before the "|"). The actions are
// parented to and added to the main window, so their shortcuts work wherever the menu bar and
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
