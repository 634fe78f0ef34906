#pragma once

#include <QObject>
#include <QPointer>

#include "common/report.h"
#include "shell/reportwindow.h"

class QMdiArea;

namespace shell {

class CommandActions;

// The report windows of the main window: the window counter (0 at start, one up for every new
// report window, never down), the current report window, and the creators' operations.
class ReportWindows : public QObject
{
    Q_OBJECT

public:
    explicit ReportWindows(QMdiArea *area, QObject *parent = nullptr);

    // The actions of the report windows' command popup; without them a report window has no
    // popup.
    void setPopupActions(const CommandActions *actions) { m_popupActions = actions; }

    // Creates a report window as the active child and makes it the current report window.
    TForm1 *createReportWindow();
    // Adds 1 to the window counter and returns the new value.
    int nextWindowNumber();
    int windowCounter() const { return m_counter; }
    TForm1 *current() const { return m_current; }

    // The creators' order for a finished report: create, next number, caption, clear, lines.
    TForm1 *show(const common::Report &report);

private:
    QMdiArea *m_area;
    const CommandActions *m_popupActions = nullptr;
    int m_counter = 0;
    QPointer<TForm1> m_current;
};

} // namespace shell
