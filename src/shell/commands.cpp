#include "shell/commands.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

namespace shell {

namespace {

struct CommandEntry
{
    Command command;
    const char *name;    // the main-menu entry
    const char *caption; // UTF-8
    QKeyCombination shortcut;
    const char *icon; // resource name, or nullptr
    const char *hint; // "tooltip|status text", or nullptr
};

const CommandEntry commandTable[] = {
    {Command::OpenText, "N2", "Открыть текст...", Qt::CTRL | Qt::Key_N, "opentext",
     "Открыть текст|Открыть текстовой файл"},
    {Command::OpenPicture, "N21", "Открыть графику...", Qt::CTRL | Qt::Key_G, "openpicture",
     "Открыть графику| Открыть графический файл"},
    {Command::Save, "N3", "Сохранить...", Qt::CTRL | Qt::Key_S, "save", "Сохранить|Сохранить файл"},
    {Command::Print, "N7", "Печать...", Qt::CTRL | Qt::Key_P, nullptr, nullptr},
    {Command::Close, "N9", "Закрыть", {}, nullptr, nullptr},
    {Command::Cascade, "N20", "Каскад", {}, nullptr, nullptr},
    {Command::Tile, "N23", "Мозаика", {}, nullptr, nullptr},
    {Command::NextWindow, "N35", "Следующее", Qt::CTRL | Qt::Key_F1, nullptr, nullptr},
    {Command::PreviousWindow, "N36", "Предыдущее", Qt::CTRL | Qt::Key_F2, nullptr, nullptr},
    {Command::NewMix, "N12", "Новый БНС...", Qt::CTRL | Qt::ALT | Qt::Key_A, "newmix",
     "Расчет БНС|Расчет нового базового номинального состава (БНС) бетона."},
    {Command::MixOptions, "N18", "Опции для расчета...", {}, nullptr, nullptr},
    {Command::CorrectStrength, "correct_Rb", "по Ц/В и прочности бетона...",
     Qt::CTRL | Qt::ALT | Qt::Key_B, "correctstrength",
     "Корректирование по Ц/В и прочности|Корректирование состава бетона по Ц/В и прочности "
     "бетона"},
    {Command::CorrectAggregates, "correct_W_Zap", "по гранулометрии и влажности заполнителей...",
     Qt::CTRL | Qt::ALT | Qt::Key_C, "correctaggregates",
     "Корректирование по заполнителям|Корректирование состава бетона по гранулометрическому "
     "составу и влажности заполнителей"},
    {Command::AnalysedPeriod, "Period_analiz", "Анализируемый период...",
     Qt::CTRL | Qt::ALT | Qt::Key_D, "analysedperiod",
     "Анализируемый период|Стат. контроль прочности бетона. Анализируемый (начальный) период"},
    {Command::ControlledPeriod, "Period_Control", "Контролируемый период...",
     Qt::CTRL | Qt::ALT | Qt::Key_E, "controlledperiod",
     "Контролируемый период|Стат. контроль прочности бетона. Контролируемый период."},
    {Command::TestRegister, "Test_Register", "Журнал испытаний...", Qt::CTRL | Qt::ALT | Qt::Key_J,
     "testregister", "Журнал испытаний|Журнал испытаний прочности бетона: партии и их выборки"},
    {Command::Help, "N15", "Помощь", QKeyCombination(Qt::Key_F1), nullptr, nullptr},
    {Command::About, "N17", "О программе...", {}, nullptr, nullptr},
};

QAction *createAction(const CommandEntry &entry, QWidget *mainWindow)
{
    auto *action = new QAction(QString::fromUtf8(entry.caption), mainWindow);
    action->setObjectName(QString::fromLatin1(entry.name));
    if (entry.shortcut.key() != Qt::Key_unknown && entry.shortcut.key() != Qt::Key(0))
        action->setShortcut(QKeySequence(entry.shortcut));
    if (entry.icon)
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.icon))));
    // No status tip: only the toolbar buttons carry hints, so a menu entry leaves the status
    // bar empty.
    action->setToolTip(splitHint(entry.hint ? QString::fromUtf8(entry.hint) : QString()).shortHint);
    mainWindow->addAction(action);
    // Enabled once something runs it.
    action->setEnabled(false);
    return action;
}

} // namespace

HintParts splitHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

CommandActions::CommandActions(QWidget *mainWindow)
    : QObject(mainWindow)
{
    for (const CommandEntry &entry : commandTable) {
        m_actions[entry.command] = createAction(entry, mainWindow);
        if (entry.hint)
            m_statusHints[entry.command] = splitHint(QString::fromUtf8(entry.hint)).longHint;
    }
}

QAction *CommandActions::action(Command command) const
{
    return m_actions.at(command);
}

QString CommandActions::statusHint(Command command) const
{
    const auto it = m_statusHints.find(command);
    return it == m_statusHints.end() ? QString() : it->second;
}

} // namespace shell
