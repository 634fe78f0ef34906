#include "shell/reportwindows.h"

#include "shell/commandmenus.h"
#include "shell/reportwindow.h"
#include "shell/windowarrangement.h"
#include "ui/textconvert.h"

#include <QMdiArea>

namespace shell {

ReportWindows::ReportWindows(QMdiArea *area, QObject *parent)
    : QObject(parent)
    , m_area(area)
{
}

TForm1 *ReportWindows::createReportWindow()
{
    auto *window = new TForm1;
    if (m_popupActions)
        window->setPopupMenu(createPopupMenu(*m_popupActions, window));
    m_area->addSubWindow(window);
    placeNewWindow(m_area, window);
    window->show();
    m_area->setActiveSubWindow(window);
    m_current = window;
    return window;
}

int ReportWindows::nextWindowNumber()
{
    return ++m_counter;
}

TForm1 *ReportWindows::show(const common::Report &report)
{
    TForm1 *window = createReportWindow();
    const int number = nextWindowNumber();
    window->setWindowTitle(ui::toQt(report.caption(number)));
    window->clear();
    window->appendLines(report.lines);
    return window;
}

} // namespace shell
