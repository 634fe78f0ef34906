#include "ui/statushint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStatusTipEvent>
#include <QWidget>

namespace ui {

void StatusHint::attach(QWidget *widget, const QString &text)
{
    new StatusHint(widget, text);
}

StatusHint::StatusHint(QWidget *widget, const QString &text)
    : QObject(widget)
    , m_text(text)
{
    widget->installEventFilter(this);
}

bool StatusHint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        QStatusTipEvent tip(event->type() == QEvent::Enter ? m_text : QString());
        QCoreApplication::sendEvent(watched, &tip);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
