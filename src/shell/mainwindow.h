#pragma once

#include <QMainWindow>

#include <map>

class QMdiArea;

namespace shell {

class ReportWindows;

// The commands of the main window. Each is one action, shared by its menu entry, toolbar
// button, shortcut and popup entries, so they all do the same thing.
enum class Command {
    NewMix, // "Новый БНС..."
};

// TfmForm1: the main window, a multi-document frame holding the report windows.
class TfmForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfmForm1(QWidget *parent = nullptr);
    ~TfmForm1() override;

    QMdiArea *mdiArea() const { return m_area; }
    ReportWindows &reportWindows() const { return *m_reports; }
    QAction *action(Command command) const;

private:
    void createActions();
    void createMenus();

    QMdiArea *m_area;
    ReportWindows *m_reports;
    std::map<Command, QAction *> m_actions;
};

} // namespace shell
