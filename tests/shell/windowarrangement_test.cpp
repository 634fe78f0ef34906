#include "shell/mainwindow.h"
#include "shell/reportwindow.h"
#include "shell/reportwindows.h"

#include "patience.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <QTest>

#include <algorithm>

using shell::Command;

class WindowArrangementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tileStacksFullWidthChildren_data();
    void tileStacksFullWidthChildren();
    void cascadeStaggersChildren();
    void newChildrenCascade();
    void nextAndPreviousFollowTheWindowOrder();
    void nothingHappensWithoutChildren();

private:
    QList<QMdiSubWindow *> createChildren(int count);
    void run(Command command) { m_window->action(command)->trigger(); }
    QMdiArea *area() const { return m_window->mdiArea(); }

    std::unique_ptr<shell::TfmForm1> m_window;
};

void WindowArrangementTest::init()
{
    m_window = std::make_unique<shell::TfmForm1>();
    m_window->resize(1000, 800);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), testsupport::patienceMs));
}

void WindowArrangementTest::cleanup()
{
    m_window.reset();
}

QList<QMdiSubWindow *> WindowArrangementTest::createChildren(int count)
{
    QList<QMdiSubWindow *> children;
    for (int i = 1; i <= count; ++i) {
        shell::TForm1 *child = m_window->reportWindows().createReportWindow();
        child->setWindowTitle(QString::number(i));
        children.append(child);
    }
    return children;
}

void WindowArrangementTest::tileStacksFullWidthChildren_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minimised"); // index of a child minimised first, or -1
    QTest::addColumn<int>("maximised"); // index of a child maximised first, or -1
    QTest::newRow("one") << 1 << -1 << -1;
    QTest::newRow("three") << 3 << -1 << -1;
    QTest::newRow("seven, uneven share") << 7 << -1 << -1;
    QTest::newRow("one minimised") << 3 << 0 << -1;
    QTest::newRow("one maximised") << 4 << -1 << 2;
}

void WindowArrangementTest::tileStacksFullWidthChildren()
{
    QFETCH(int, count);
    QFETCH(int, minimised);
    QFETCH(int, maximised);
    const QList<QMdiSubWindow *> children = createChildren(count);
    if (minimised >= 0)
        children[minimised]->showMinimized();
    if (maximised >= 0)
        children[maximised]->showMaximized();
    QMdiSubWindow *active = area()->activeSubWindow();

    run(Command::Tile);

    const QRect free = area()->viewport()->rect();
    QList<QRect> frames;
    for (QMdiSubWindow *child : children) {
        QVERIFY(!child->isMinimized() && !child->isMaximized());
        QCOMPARE(child->x(), free.left());
        QCOMPARE(child->width(), free.width());
        frames.append(child->geometry());
    }
    std::sort(frames.begin(), frames.end(),
              [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    QCOMPARE(frames.front().top(), free.top());
    for (int i = 1; i < frames.size(); ++i) {
        QCOMPARE(frames[i].top(), frames[i - 1].bottom() + 1); // stacked, no overlap, no gap
        QVERIFY(std::abs(frames[i].height() - frames[0].height()) <= count);
    }
    QCOMPARE(frames.back().bottom(), free.bottom());
    QCOMPARE(area()->activeSubWindow(), active);
    QCOMPARE(active->y(), free.top()); // the active one on top
}

void WindowArrangementTest::cascadeStaggersChildren()
{
    const QList<QMdiSubWindow *> children = createChildren(3);
    area()->setActiveSubWindow(children[0]);
    run(Command::Tile);
    run(Command::Cascade);
    // In z-order, the active child on top, each one title bar further than the one under it.
    const QList<QMdiSubWindow *> stacked = area()->subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(stacked.last(), children[0]);
    QCOMPARE(area()->activeSubWindow(), children[0]);
    const QPoint step = stacked[1]->pos() - stacked[0]->pos();
    QVERIFY(step.x() > 0 && step.x() == step.y());
    QCOMPARE(stacked[2]->pos() - stacked[1]->pos(), step);
    const QSize free = area()->viewport()->size();
    for (QMdiSubWindow *child : children) {
        QVERIFY(area()->viewport()->rect().contains(child->geometry()));
        // Overlapping, yet large enough to read a report.
        QVERIFY(child->width() < free.width() && child->width() >= free.width() * 2 / 3);
        QVERIFY(child->height() >= free.height() * 2 / 3);
    }
}

void WindowArrangementTest::newChildrenCascade()
{
    const QList<QMdiSubWindow *> children = createChildren(3);
    const QPoint step = children[1]->pos() - children[0]->pos();
    QCOMPARE(children[0]->pos(), QPoint(0, 0));
    QVERIFY(step.x() > 0 && step.x() == step.y());
    QCOMPARE(children[2]->pos() - children[1]->pos(), step);
    QCOMPARE(children[0]->size(), children[2]->size());
    QVERIFY(area()->viewport()->rect().contains(children[2]->geometry()));
}

void WindowArrangementTest::nextAndPreviousFollowTheWindowOrder()
{
    const QList<QMdiSubWindow *> children = createChildren(3);
    QCOMPARE(area()->activeSubWindow(), children[2]);
    const QList<std::pair<Command, int>> steps {{Command::NextWindow, 0},
                                                {Command::NextWindow, 1},
                                                {Command::PreviousWindow, 0},
                                                {Command::PreviousWindow, 2},
                                                {Command::PreviousWindow, 1}};
    for (const auto &[command, expected] : steps) {
        run(command);
        QCOMPARE(area()->activeSubWindow(), children[expected]);
    }
}

void WindowArrangementTest::nothingHappensWithoutChildren()
{
    for (Command command :
         {Command::Cascade, Command::Tile, Command::NextWindow, Command::PreviousWindow}) {
        run(command);
        QVERIFY(area()->subWindowList().isEmpty());
        QVERIFY(!area()->activeSubWindow());
    }
    QCOMPARE(m_window->reportWindows().windowCounter(), 0);
}

QTEST_MAIN(WindowArrangementTest)
#include "windowarrangement_test.moc"
