#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ui {

// Puts a fixed text into the status bar while the pointer is over a widget and clears it when
// the pointer leaves: a hint's long part, kept exactly (leading blanks too). It works through
// status-tip events, so whatever shows status tips for the widget's window shows it.
class StatusHint : public QObject
{
    Q_OBJECT

public:
    // The hint lives as long as the widget.
    static void attach(QWidget *widget, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StatusHint(QWidget *widget, const QString &text);

    QString m_text;
};

} // namespace ui
