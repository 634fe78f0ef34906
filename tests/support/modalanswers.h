#pragma once

// Answers for the modal dialogs a test opens. An answer is armed before the call that opens its
// dialog (that call blocks until the dialog closes) and acts as soon as the dialog is the active
// modal widget, however long that takes on a busy machine. Nothing here gives up after a fixed
// time: a dialog that never comes leaves its answer pending (cancelPendingAnswers() counts them),
// and only the watchdog closes a dialog that nobody has answered for a whole minute, so that a
// failing test ends instead of hanging.

#include "patience.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace testsupport {

// A modal widget named by its object name (the dialog's class name), or by a Qt class it is an
// instance of ("QMessageBox", "QFileDialog").
inline bool isNamed(const QWidget *widget, const QString &name)
{
    return widget->objectName() == name || widget->inherits(qPrintable(name));
}

// The owner of the answers still waiting for their dialog.
inline QObject *pendingAnswers()
{
    static QObject *const holder = new QObject; // lives as long as the test process
    return holder;
}

namespace detail {

// The widget type an answer takes: the parameter of its call operator.
template<class F> struct ParameterOf : ParameterOf<decltype(&F::operator())>
{
};
template<class C, class R, class P> struct ParameterOf<R (C::*)(P) const>
{
    using Type = P;
};
template<class C, class R, class P> struct ParameterOf<R (C::*)(P)>
{
    using Type = P;
};
template<class R, class P> struct ParameterOf<R (*)(P)>
{
    using Type = P;
};

} // namespace detail

// Answers the next modal widget named `dialog` (and of the type `act` takes: QWidget *, QDialog
// *, QMessageBox *, …) with `act`, once it is shown and active, as a user would first see it. The
// returned flag turns true once it has been answered.
template<class Act> std::shared_ptr<bool> whenModal(const QString &dialog, Act act)
{
    using Widget = std::remove_pointer_t<typename detail::ParameterOf<Act>::Type>;
    auto answered = std::make_shared<bool>(false);
    auto *timer = new QTimer(pendingAnswers());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *widget = qobject_cast<Widget *>(modal);
        if (!widget || !modal->isVisible() || !isNamed(modal, dialog))
            return;
        // Shown is not enough: until it is active the dialog has no focus widget, and keys sent
        // "to the focus" would go nowhere. A window manager activates the dialog on top (also
        // when the one over it closes); the offscreen platform has none, so ask for it here.
        if (!modal->isActiveWindow()) {
            modal->activateWindow();
            return;
        }
        timer->stop();
        timer->setParent(nullptr);
        timer->deleteLater();
        *answered = true;
        act(widget);
    });
    timer->start();
    return answered;
}

// One answer of a scripted conversation: the dialog expected next and what to do in it.
struct ModalStep
{
    QString dialog; // as whenModal() names it
    std::function<void(QWidget *)> act;
};

// Answers the dialogs in turn. Each step arms the next before it acts, since its click may
// open the next dialog and block. The result holds the names of the dialogs answered, in order.
inline std::shared_ptr<QStringList> answerInTurn(QList<ModalStep> steps,
                                                 std::shared_ptr<QStringList> answered
                                                 = std::make_shared<QStringList>())
{
    if (steps.isEmpty())
        return answered;
    const ModalStep step = steps.takeFirst();
    whenModal(step.dialog, [step, steps, answered](QWidget *widget) {
        answered->append(step.dialog);
        answerInTurn(steps, answered);
        step.act(widget);
    });
    return answered;
}

// Closes the next message box; afterwards the result holds its text and informative text, one
// per line ("<no message>" until one came).
inline std::shared_ptr<QString> answerNextMessageBox()
{
    auto shown = std::make_shared<QString>(QStringLiteral("<no message>"));
    whenModal(QStringLiteral("QMessageBox"), [shown](QMessageBox *box) {
        *shown = box->text() + QLatin1Char('\n') + box->informativeText();
        box->close();
    });
    return shown;
}

// Drops every answer still waiting and tells how many there were: scripted dialogs that never
// came.
inline int cancelPendingAnswers()
{
    const QList<QTimer *> timers = pendingAnswers()->findChildren<QTimer *>();
    qDeleteAll(timers);
    return static_cast<int>(timers.size());
}

// While it lives, a modal widget that stays the active one for `patienceMs` without being
// answered is closed (then the next one, and so on): a dialog nobody answers makes the test fail
// instead of hang. Each modal widget gets the whole time from the moment it came up.
class ModalWatchdog
{
public:
    ModalWatchdog()
    {
        m_timer.setInterval(100);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { look(); });
        m_timer.start();
    }
    bool fired() const { return !m_closed.isEmpty(); }
    // The dialogs it had to close, by object name.
    const QStringList &closed() const { return m_closed; }

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != m_watched) {
            m_watched = modal;
            m_since.start();
            return;
        }
        if (modal && m_since.elapsed() > patienceMs) {
            m_closed.append(modal->objectName());
            modal->close();
            m_since.start();
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_watched;
    QElapsedTimer m_since;
    QStringList m_closed;
};

// The answers of one test function: made in init(), checked in cleanup(), where a scripted
// dialog that never came, or a dialog the watchdog had to close, fails the test.
class ModalAnswers
{
public:
    ModalAnswers() = default;
    ~ModalAnswers() { cancelPendingAnswers(); }
    ModalAnswers(const ModalAnswers &) = delete;
    ModalAnswers &operator=(const ModalAnswers &) = delete;

    void check() const
    {
        const int pending = cancelPendingAnswers();
        QVERIFY2(pending == 0,
                 qPrintable(QStringLiteral("%1 scripted dialog(s) never came").arg(pending)));
        QVERIFY2(!m_watchdog.fired(),
                 qPrintable(QStringLiteral("left open: ") + m_watchdog.closed().join(' ')));
    }

private:
    ModalWatchdog m_watchdog;
};

} // namespace testsupport
