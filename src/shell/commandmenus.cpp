#include "shell/commandmenus.h"

#include "shell/commands.h"
#include "ui/menutoolbar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <initializer_list>

namespace shell {

namespace {

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

// An entry whose popup caption differs from its main-menu caption shows the popup caption
// while its popup submenu is open; the action stays one and the same.
void usePopupCaptions(QMenu *submenu, const CommandActions &actions,
                      std::initializer_list<Command> commands)
{
    for (Command command : commands) {
        const QString popupCaption = CommandActions::popupCaption(command);
        if (popupCaption.isEmpty())
            continue;
        QAction *action = actions.action(command);
        const QString menuCaption = action->text();
        QObject::connect(submenu, &QMenu::aboutToShow, action,
                         [action, popupCaption] { action->setText(popupCaption); });
        QObject::connect(submenu, &QMenu::aboutToHide, action,
                         [action, menuCaption] { action->setText(menuCaption); });
    }
}

QMenu *addPopupSubmenu(QMenu *popup, const CommandActions &actions, const char *name,
                       const QString &caption, std::initializer_list<Command> commands)
{
    QMenu *submenu = addSubmenu(popup, name, caption);
    for (Command command : commands)
        submenu->addAction(actions.action(command));
    usePopupCaptions(submenu, actions, commands);
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
             {Command::AnalysedPeriod, Command::ControlledPeriod});
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
    return toolbar;
}

QMenu *createPopupMenu(const CommandActions &actions, QWidget *parent)
{
    auto *popup = new QMenu(parent);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    popup->addAction(actions.action(Command::OpenText));
    popup->addAction(actions.action(Command::OpenPicture));
    popup->addSeparator()->setObjectName(QStringLiteral("N27"));
    addPopupSubmenu(popup, actions, "N28", QStringLiteral("Расчет БНС"),
                    {Command::NewMix, Command::MixOptions});
    popup->addSeparator()->setObjectName(QStringLiteral("N29"));
    addPopupSubmenu(popup, actions, "N30", QStringLiteral("Корректирование"),
                    {Command::CorrectStrength, Command::CorrectAggregates});
    popup->addSeparator()->setObjectName(QStringLiteral("N32"));
    addPopupSubmenu(popup, actions, "N33", QStringLiteral("Стат. контроль"),
                    {Command::AnalysedPeriod, Command::ControlledPeriod});
    return popup;
}

} // namespace shell
