#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Answers the next modal dialog: once a modal widget (other than `ignore`) is active, runs
// `answer` on it. Arm it before the click that opens the dialog, since that click blocks.
inline void whenModal(std::function<void(QWidget *)> answer, QWidget *ignore = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, ignore] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == ignore)
            return;
        timer->stop();
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
