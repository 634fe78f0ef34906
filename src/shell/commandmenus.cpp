#include "shell/commandmenus.h"

#include "shell/commands.h"
#include "ui/menutoolbar.h"
#include "ui/statushint.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <initializer_list>

namespace shell {

namespace {

// An entry of the popup menus, named and captioned in its own right.
struct PopupEntry
{
    Command command;
    const char *name;
    const char *caption;
};

// One line of a menu: a command's action, or a separator with its own name.
struct MenuLine
{
    MenuLine(Command c)
        : command(c)
    {
    }
    MenuLine(const char *separator)
        : separatorName(separator)
    {
    }

    Command command = Command::OpenText;
    const char *separatorName = nullptr;
};

void addLines(QMenu *menu, const CommandActions &actions, std::initializer_list<MenuLine> lines)
{
    for (const MenuLine &line : lines) {
        if (line.separatorName)
            menu->addSeparator()->setObjectName(QString::fromLatin1(line.separatorName));
        else
            menu->addAction(actions.action(line.command));
    }
}

QMenu *addSubmenu(QWidget *owner, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu *addTopMenu(ui::MenuToolBar *carrier, const char *name, const QString &caption)
{
    QMenu *menu = addSubmenu(carrier->menuBar(), name, caption);
    carrier->addMenu(menu);
    return menu;
}

// An entry of a popup menu: its own name and caption, running its command's action and
// enabled whenever that action is, so it does exactly what the menu entry does.
void addPopupEntry(QMenu *menu, const CommandActions &actions, const PopupEntry &entry)
{
    QAction *command = actions.action(entry.command);
    QAction *item = menu->addAction(QString::fromUtf8(entry.caption));
    item->setObjectName(QString::fromLatin1(entry.name));
    item->setEnabled(command->isEnabled());
    QObject::connect(item, &QAction::triggered, command, &QAction::trigger);
    QObject::connect(command, &QAction::enabledChanged, item, &QAction::setEnabled);
}

QMenu *addPopupSubmenu(QMenu *popup, const CommandActions &actions, const char *name,
                       const QString &caption, std::initializer_list<PopupEntry> entries)
{
    QMenu *submenu = addSubmenu(popup, name, caption);
    for (const PopupEntry &entry : entries)
        addPopupEntry(submenu, actions, entry);
    popup->addMenu(submenu);
    return submenu;
}

void addButtons(QToolBar *toolbar, const CommandActions &actions,
                std::initializer_list<Command> commands, int &number)
{
    for (Command command : commands) {
        QAction *action = actions.action(command);
        toolbar->addAction(action);
        QWidget *button = toolbar->widgetForAction(action);
        button->setObjectName(QStringLiteral("abcToolbarButton%1").arg(++number));
        button->setFixedSize(23, 22);
        ui::StatusHint::attach(button, actions.statusHint(command));
    }
}

} // namespace

void fillMainMenu(const CommandActions &actions, ui::MenuToolBar *carrier)
{
    QMenuBar *bar = carrier->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    addLines(addTopMenu(carrier, "N1", QStringLiteral("  Файл")), actions,
             {Command::OpenText, Command::OpenPicture, Command::Save, Command::Print, "N6",
              Command::Close});
    addLines(
        addTopMenu(carrier, "N10", QStringLiteral("  Окно")), actions,
        {Command::Cascade, Command::Tile, "N34", Command::NextWindow, Command::PreviousWindow});
    addLines(addTopMenu(carrier, "N11", QStringLiteral("  Расчет БНС")), actions,
             {Command::NewMix, "N13", Command::MixOptions});
    addLines(addTopMenu(carrier, "N19", QStringLiteral("  Корректирование состава бетона")),
             actions, {Command::CorrectStrength, Command::CorrectAggregates});
    addLines(addTopMenu(carrier, "N22", QStringLiteral("  Стат. контроль")), actions,
             {Command::AnalysedPeriod, Command::ControlledPeriod, "N40", Command::TestRegister});
    addLines(addTopMenu(carrier, "N14", QStringLiteral("  Справка")), actions,
             {Command::Help, "N16", Command::About});
}

QToolBar *createCommandToolbar(const CommandActions &actions, QWidget *parent)
{
    auto *toolbar = new QToolBar(QStringLiteral("ЛОВИЗ-6.3"), parent);
    toolbar->setObjectName(QStringLiteral("abcToolbar1"));
    toolbar->setIconSize(QSize(16, 16));
    int number = 0;
    addButtons(toolbar, actions, {Command::OpenText, Command::OpenPicture}, number);
    toolbar->addSeparator();
    addButtons(toolbar, actions, {Command::Save}, number);
    toolbar->addSeparator();
    addButtons(toolbar, actions, {Command::NewMix}, number);
    toolbar->addSeparator();
    addButtons(toolbar, actions, {Command::CorrectStrength, Command::CorrectAggregates}, number);
    toolbar->addSeparator();
    addButtons(toolbar, actions, {Command::AnalysedPeriod}, number);
    toolbar->addSeparator();
    addButtons(toolbar, actions, {Command::ControlledPeriod}, number);
    toolbar->addSeparator();
    addButtons(toolbar, actions, {Command::TestRegister}, number);
    return toolbar;
}

QMenu *createPopupMenu(const CommandActions &actions, QWidget *parent)
{
    auto *popup = new QMenu(parent);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    addPopupEntry(popup, actions, {Command::OpenText, "N24", "Открыть текст..."});
    addPopupEntry(popup, actions, {Command::OpenPicture, "N25", "Открыть графику..."});
    popup->addSeparator()->setObjectName(QStringLiteral("N27"));
    addPopupSubmenu(popup, actions, "N28", QStringLiteral("Расчет БНС"),
                    {{Command::NewMix, "N5", "Новый БНС..."},
                     {Command::MixOptions, "N8", "Опции для расчета..."}});
    popup->addSeparator()->setObjectName(QStringLiteral("N29"));
    addPopupSubmenu(popup, actions, "N30", QStringLiteral("Корректирование"),
                    {{Command::CorrectStrength, "N37", "по Ц/В и прочности..."},
                     {Command::CorrectAggregates, "N38", "по заполнителям..."}});
    popup->addSeparator()->setObjectName(QStringLiteral("N32"));
    addPopupSubmenu(popup, actions, "N33", QStringLiteral("Стат. контроль"),
                    {{Command::AnalysedPeriod, "N31", "Анализируемый период..."},
                     {Command::ControlledPeriod, "N39", "Контролируемый период..."}});
    return popup;
}

} // namespace shell
