#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// The test function and data row that run now. An answer belongs to the test that armed it:
// once that test has ended, its timer stops and goes, so it cannot answer the dialogs of the
// next test.
inline QByteArray runningTest()
{
    return QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag();
}

// The owner of the answers still waiting for their dialog.
inline QObject *pendingAnswers()
{
    static QObject *const holder = new QObject; // lives as long as the test process
    return holder;
}

// Answers the next modal dialog: once a modal widget (other than `ignore`) is active, runs
// `answer` on it. Arm it before the click that opens the dialog, since that click blocks.
inline void whenModal(std::function<void(QWidget *)> answer, QWidget *ignore = nullptr)
{
    auto *timer = new QTimer(pendingAnswers());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, ignore, test = runningTest()] {
        if (runningTest() != test) {
            timer->deleteLater();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == ignore)
            return;
        timer->stop();
        timer->setParent(nullptr);
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}

// Answers the next message box; afterwards the result holds its text and informative text,
// one per line ("<no message>" if none came).
inline std::shared_ptr<QString> answerNextMessageBox()
{
    auto shown = std::make_shared<QString>(QStringLiteral("<no message>"));
    whenModal([shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        *shown = box ? box->text() + QLatin1Char('\n') + box->informativeText()
                     : QStringLiteral("<not a message box>");
        modal->close();
    });
    return shown;
}

// Drops every answer still waiting and tells how many there were: a scripted dialog that
// never came.
inline int cancelPendingAnswers()
{
    const QList<QTimer *> timers = pendingAnswers()->findChildren<QTimer *>();
    qDeleteAll(timers);
    return static_cast<int>(timers.size());
}

// The next modal widget that `matches` is answered by `answer`; the returned flag turns true
// once it was. A dialog that does not come within `timeoutMs` is not waited for any longer
// (it stays pending), and whatever modal widget is up then is closed so that a failing test
// cannot hang.
inline std::shared_ptr<bool> whenModalMatches(std::function<bool(QWidget *)> matches,
                                              std::function<void(QWidget *)> answer,
                                              int timeoutMs = 5000)
{
    auto answered = std::make_shared<bool>(false);
    auto *timer = new QTimer(pendingAnswers());
    timer->setInterval(10);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [=, test = runningTest()] {
        if (runningTest() != test) {
            timer->deleteLater();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && matches(modal)) {
            timer->stop();
            timer->setParent(nullptr);
            timer->deleteLater();
            *answered = true;
            answer(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop(); // stays pending: cancelPendingAnswers() counts and deletes it
            if (modal)
                modal->close();
        }
    });
    timer->start();
    return answered;
}

// The next modal dialog with this object name (the dialog's class name).
inline std::shared_ptr<bool> whenDialog(const QString &name, std::function<void(QDialog *)> answer)
{
    return whenModalMatches([name](QWidget *w) { return w->objectName() == name; },
                            [answer](QWidget *w) { answer(qobject_cast<QDialog *>(w)); });
}

// The next message box.
inline std::shared_ptr<bool> whenMessageBox(std::function<void(QMessageBox *)> answer)
{
    return whenModalMatches([](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
                            [answer](QWidget *w) { answer(qobject_cast<QMessageBox *>(w)); });
}

// One answer of a scripted conversation: the dialog expected next and what to do in it.
struct ModalStep
{
    QString dialog; // object name, or "QMessageBox" for a message box
    std::function<void(QWidget *)> act;
};

// Answers the dialogs in turn. Each step arms the next before it acts, since its click may
// open the next dialog and block. Returns the names of the dialogs answered, in order.
inline void answerInTurn(QList<ModalStep> steps, std::shared_ptr<QStringList> answered)
{
    if (steps.isEmpty())
        return;
    const ModalStep step = steps.takeFirst();
    const bool messageBox = step.dialog == QLatin1String("QMessageBox");
    whenModalMatches(
        [step, messageBox](QWidget *w) {
            return messageBox ? qobject_cast<QMessageBox *>(w) != nullptr
                              : w->objectName() == step.dialog;
        },
        [step, steps, answered](QWidget *w) {
            answered->append(step.dialog);
            answerInTurn(steps, answered);
            step.act(w);
        });
}

// While it lives, a modal dialog left open longer than `ms` is closed (and then every other
// one after it), so that a dialog nobody answers makes the test fail instead of hang.
class ModalWatchdog
{
public:
    explicit ModalWatchdog(int ms = 10000)
    {
        m_clock.start();
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, ms] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && m_clock.elapsed() > ms) {
                m_fired = true;
                modal->close();
            }
        });
        m_timer.start();
    }
    bool fired() const { return m_fired; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_fired = false;
};
