#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

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
