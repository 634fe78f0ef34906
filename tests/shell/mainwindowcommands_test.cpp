#include "shell/mainwindow.h"
#include "shell/reportwindow.h"
#include "shell/reportwindows.h"

#include "patience.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>

#include <QTest>
#include <QToolBar>
#include <QToolButton>

using shell::Command;

class MainWindowCommandsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyCommandIsOneAction();
    void menusHoldTheirEntriesInOrder_data();
    void menusHoldTheirEntriesInOrder();
    void toolbarGroupsAndButtons();
    void menusDockOnEverySide();
    void rightClicksShowTheCommandPopups();
    void hintOfSecondButtonKeepsItsLeadingBlank();
    void closeEndsWithReportWindowsOpen();

private:
    QList<QAction *> entriesOf(QMenu *menu) const;
    QStringList names(const QList<QAction *> &actions) const;

    std::unique_ptr<shell::TfmForm1> m_window;
    shell::TForm1 *m_report = nullptr;
};

void MainWindowCommandsTest::init()
{
    m_window = std::make_unique<shell::TfmForm1>();
    // Wide enough for the menu bar beside the command toolbar once both share the top row.
    m_window->resize(1000, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), testsupport::patienceMs));
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get(), testsupport::patienceMs));
    m_report = m_window->reportWindows().createReportWindow();
}

void MainWindowCommandsTest::cleanup()
{
    m_window.reset();
}

// The entries of a menu and of its submenus, submenus and separators left out.
QList<QAction *> MainWindowCommandsTest::entriesOf(QMenu *menu) const
{
    QList<QAction *> entries;
    for (QAction *action : menu->actions()) {
        if (action->menu())
            entries += entriesOf(action->menu());
        else if (!action->isSeparator())
            entries.append(action);
    }
    return entries;
}

QStringList MainWindowCommandsTest::names(const QList<QAction *> &actions) const
{
    QStringList result;
    for (const QAction *action : actions)
        result.append(action->isSeparator() && action->objectName().isEmpty()
                          ? QStringLiteral("-")
                          : action->objectName());
    return result;
}

// Whatever its entries are called, each command is one action: its main-menu entry, its
// toolbar button, its shortcut and its popup entries all trigger it, and the popup entries are
// enabled with it.
void MainWindowCommandsTest::everyCommandIsOneAction()
{
    QList<QAction *> popupEntries;
    for (QMenu *popup : {m_window->popupMenu(), m_report->popupMenu()}) {
        for (QAction *entry : entriesOf(popup))
            popupEntries.append(entry);
    }
    int popupEntriesReached = 0;
    for (int i = 0; i <= static_cast<int>(Command::About); ++i) {
        const auto command = static_cast<Command>(i);
        QAction *action = m_window->action(command);
        QVERIFY(action);
        // The program offers the dialog commands; without it they are disabled.
        if (!action->isEnabled())
            m_window->offerCommand(command, [] {});

        qsizetype inMenus = 0;
        for (QAction *top : m_window->mainMenu()->actions())
            inMenus += entriesOf(top->menu()).count(action);
        QCOMPARE(inMenus, 1);
        QVERIFY(!popupEntries.contains(action));

        QSignalSpy triggered(action, &QAction::triggered);
        int expected = 0;
        for (QToolButton *tool : m_window->commandToolbar()->findChildren<QToolButton *>()) {
            if (tool->defaultAction() != action)
                continue;
            QCOMPARE(tool->size(), QSize(23, 22));
            QVERIFY(!action->icon().isNull());
            QTest::mouseClick(tool, Qt::LeftButton);
            QCOMPARE(triggered.size(), ++expected);
        }
        if (!action->shortcut().isEmpty() && command != Command::Close) {
            QTest::keySequence(m_window.get(), action->shortcut());
            QCOMPARE(triggered.size(), ++expected);
        }
        for (QAction *entry : popupEntries) {
            const qsizetype before = triggered.size();
            entry->trigger();
            if (triggered.size() == before)
                continue;
            ++popupEntriesReached;
            QCOMPARE(entry->isEnabled(), action->isEnabled());
            action->setEnabled(false);
            QVERIFY(!entry->isEnabled());
            action->setEnabled(true);
            QVERIFY(entry->isEnabled());
        }
    }
    // Every popup entry reaches a command.
    QCOMPARE(popupEntriesReached, popupEntries.size());
}

void MainWindowCommandsTest::menusHoldTheirEntriesInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("entries");
    auto row = [](const char *menu, const char *caption, const char *entries) {
        QTest::newRow(menu) << QString::fromLatin1(menu) << QString::fromUtf8(caption)
                            << QString::fromLatin1(entries).split(QLatin1Char(' '));
    };
    row("MainMenu1", "", "N1 N10 N11 N19 N22 N14");
    row("N1", "  Файл", "N2 N21 N3 N7 N6 N9");
    row("N10", "  Окно", "N20 N23 N34 N35 N36");
    row("N11", "  Расчет БНС", "N12 N13 N18");
    row("N19", "  Корректирование состава бетона", "correct_Rb correct_W_Zap");
    row("N22", "  Стат. контроль", "Period_analiz Period_Control N40 Test_Register");
    row("N14", "  Справка", "N15 N16 N17");
    // The popups of the main window and of a report window.
    row("PopupMenu1", "", "N24 N25 N27 N28 N29 N30 N32 N33");
    row("N28", "Расчет БНС", "N5 N8");
    row("N30", "Корректирование", "N37 N38");
    row("N33", "Стат. контроль", "N31 N39");
}

void MainWindowCommandsTest::menusHoldTheirEntriesInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, entries);
    const QStringList separators {"N6", "N34", "N13", "N16", "N27", "N29", "N32", "N40"};
    QList<QWidget *> found;
    if (menu == QLatin1String("MainMenu1"))
        found = {m_window->mainMenu()};
    else if (menu == QLatin1String("PopupMenu1"))
        found = {m_window->popupMenu(), m_report->popupMenu()};
    else if (menu == QLatin1String("N28") || menu == QLatin1String("N30") || menu == "N33")
        found = {m_window->popupMenu()->findChild<QMenu *>(menu),
                 m_report->popupMenu()->findChild<QMenu *>(menu)};
    else
        found = {m_window->mainMenu()->findChild<QMenu *>(menu)};
    for (QWidget *widget : found) {
        QVERIFY(widget);
        if (auto *asMenu = qobject_cast<QMenu *>(widget))
            QCOMPARE(asMenu->title(), caption);
        QCOMPARE(names(widget->actions()), entries);
        for (QAction *action : widget->actions())
            QCOMPARE(action->isSeparator(), separators.contains(action->objectName()));
    }
}

void MainWindowCommandsTest::toolbarGroupsAndButtons()
{
    QToolBar *toolbar = m_window->commandToolbar();
    QCOMPARE(toolbar->objectName(), QStringLiteral("abcToolbar1"));
    QCOMPARE(toolbar->windowTitle(), QStringLiteral("ЛОВИЗ-6.3"));
    QStringList layout;
    for (QAction *action : toolbar->actions())
        layout.append(action->isSeparator() ? QStringLiteral("|") : action->objectName());
    QCOMPARE(layout.join(QLatin1Char(' ')),
             QStringLiteral("N2 N21 | N3 | N12 | correct_Rb correct_W_Zap | Period_analiz | "
                            "Period_Control | Test_Register"));
    QToolBar *menuBar = m_window->menuToolbar();
    QCOMPARE(menuBar->objectName(), QStringLiteral("abcMenuToolbar1"));
    QCOMPARE(menuBar->windowTitle(), QStringLiteral("Menu Bar"));
    QCOMPARE(m_window->toolBarArea(menuBar), Qt::TopToolBarArea);
    QCOMPARE(m_window->toolBarArea(toolbar), Qt::TopToolBarArea);
    QVERIFY(menuBar->y() < toolbar->y()); // two rows
    QVERIFY(menuBar->isMovable() && toolbar->isMovable());
    QCOMPARE(toolbar->allowedAreas(), Qt::AllToolBarAreas);
    QCOMPARE(m_window->statusBar()->objectName(), QStringLiteral("StatusBar1"));
    QCOMPARE(m_window->helpContext(), ui::HelpContext::MainWindow);
}

void MainWindowCommandsTest::menusDockOnEverySide()
{
    QToolBar *carrier = m_window->menuToolbar();
    QList<QMenu *> menus;
    for (QAction *top : m_window->mainMenu()->actions())
        menus.append(top->menu());
    QCOMPARE(menus.size(), 6);
    for (Qt::ToolBarArea area :
         {Qt::LeftToolBarArea, Qt::BottomToolBarArea, Qt::RightToolBarArea, Qt::TopToolBarArea}) {
        m_window->addToolBar(area, carrier);
        const bool vertical = area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea;
        QTRY_COMPARE_WITH_TIMEOUT(m_window->mainMenu()->isVisible(), !vertical,
                                  testsupport::patienceMs);
        QList<QMenu *> buttonMenus;
        for (QToolButton *button : carrier->findChildren<QToolButton *>()) {
            if (button->menu() && button->isVisible())
                buttonMenus.append(button->menu());
        }
        QCOMPARE(buttonMenus.size(), vertical ? 6 : 0);
        for (QMenu *menu : buttonMenus)
            QVERIFY(menus.contains(menu));
    }
}

void MainWindowCommandsTest::rightClicksShowTheCommandPopups()
{
    QPlainTextEdit *memo = m_report->memo();
    QWidget *freeArea = m_window->mdiArea()->viewport();
    const QList<std::pair<QWidget *, QMenu *>> cases {{memo->viewport(), m_report->popupMenu()},
                                                      {freeArea, m_window->popupMenu()}};
    for (const auto &[target, popup] : cases) {
        const QPoint inside(target->width() - 5, target->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, inside, target->mapToGlobal(inside));
        QApplication::sendEvent(target, &event);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activePopupWidget(), popup,
                                  testsupport::patienceMs);
        QCOMPARE(popup->objectName(), QStringLiteral("PopupMenu1"));
        popup->hide();
    }
}

void MainWindowCommandsTest::hintOfSecondButtonKeepsItsLeadingBlank()
{
    auto *second = m_window->commandToolbar()->findChild<QToolButton *>("abcToolbarButton2");
    QStatusBar *status = m_window->statusBar();
    QCOMPARE(second->toolTip(), QStringLiteral("Открыть графику"));
    QTest::mouseMove(m_window->mdiArea()->viewport());
    QTest::mouseMove(second);
    QTRY_COMPARE_WITH_TIMEOUT(status->currentMessage(), QStringLiteral(" Открыть графический файл"),
                              testsupport::patienceMs);
    QTest::mouseMove(m_window->mdiArea()->viewport(), QPoint(5, 5));
    QTRY_COMPARE_WITH_TIMEOUT(status->currentMessage(), QString(), testsupport::patienceMs);
    auto *fourth = m_window->commandToolbar()->findChild<QToolButton *>("abcToolbarButton4");
    QTest::mouseMove(fourth);
    QTRY_COMPARE_WITH_TIMEOUT(
        status->currentMessage(),
        QStringLiteral("Расчет нового базового номинального состава (БНС) бетона."),
        testsupport::patienceMs);
    QCOMPARE(fourth->toolTip(), QStringLiteral("Расчет БНС"));

    // A menu entry has no hint of its own: the status bar stays empty over it.
    QTest::mouseMove(m_window->mdiArea()->viewport(), QPoint(5, 5));
    QTRY_COMPARE_WITH_TIMEOUT(status->currentMessage(), QString(), testsupport::patienceMs);
    QAction *save = m_window->action(Command::Save);
    save->hover();
    save->showStatusText(m_window.get());
    QCOMPARE(status->currentMessage(), QString());
}

void MainWindowCommandsTest::closeEndsWithReportWindowsOpen()
{
    // Ctrl+F4 closes the active report window only.
    QPointer<shell::TForm1> second = m_window->reportWindows().createReportWindow();
    second->memo()->setFocus();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_F4));
    QTRY_VERIFY_WITH_TIMEOUT(!second, testsupport::patienceMs);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);

    m_report->memo()->setPlainText(QStringLiteral("не сохранено"));
    m_window->action(Command::Close)->trigger();
    QVERIFY(!m_window->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(MainWindowCommandsTest)
#include "mainwindowcommands_test.moc"
