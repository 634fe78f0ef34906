#pragma once

#include "common/report.h"
#include "ui/subsystemhost.h"

#include "modalanswers.h"
#include "workingfolder.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

namespace testsupport {

// One subsystem's dialogs (`Dialogs`: MixDesignDialogs, CorrectionDialogs, StatControlDialogs)
// for one test function, over a stand-in for the program around them: a shown window that
// parents the dialogs, the reports they send kept in order and numbered as the report windows
// number them, and the commands they offer, run as the menus run them. start() belongs in
// init(), finish() in cleanup(), as with the program fixture.
template<class Dialogs> class SubsystemFixture
{
public:
    void start()
    {
        QCoreApplication::setApplicationName(QStringLiteral("ЛОВИЗ-6.3"));
        m_folder = std::make_unique<WorkingFolder>();
        m_answers = std::make_unique<ModalAnswers>();
        m_reports.clear();
        m_commands.clear();
        m_window = std::make_unique<QWidget>();
        m_window->setObjectName(QStringLiteral("TfmForm1"));
        m_window->resize(800, 600);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), patienceMs));
        m_dialogs = std::make_unique<Dialogs>(host());
        m_dialogs->offerCommands(host());
    }

    void finish()
    {
        if (m_answers)
            m_answers->check();
        m_dialogs.reset();
        m_window.reset();
        m_answers.reset();
        m_folder.reset();
    }

    // Runs a command the subsystem offers, as its menu entry does.
    void run(ui::Command command)
    {
        const auto offered = m_commands.find(command);
        QVERIFY2(offered != m_commands.end(), "the subsystem does not offer the command");
        offered->second();
    }

    Dialogs &dialogs() const { return *m_dialogs; }
    QWidget &window() const { return *m_window; }

    // The reports sent so far; the caption of the last one as its report window has it
    // ("Окно №2. Расчет БНС."), and its lines.
    int reportCount() const { return static_cast<int>(m_reports.size()); }
    QString lastCaption() const
    {
        return m_reports.empty() ? QString()
                                 : QString::fromStdString(m_reports.back().caption(reportCount()));
    }
    QStringList lastLines() const
    {
        QStringList lines;
        if (!m_reports.empty()) {
            for (const std::string &line : m_reports.back().lines)
                lines.append(QString::fromStdString(line));
        }
        return lines;
    }

private:
    ui::SubsystemHost host()
    {
        ui::SubsystemHost host;
        host.dialogParent = m_window.get();
        host.showReport = [this](const common::Report &report) {
            m_reports.push_back(report);
        };
        host.offerCommand = [this](ui::Command command, std::function<void()> run) {
            m_commands[command] = std::move(run);
        };
        host.offerWindowCommand = host.offerCommand;
        return host;
    }

    std::unique_ptr<WorkingFolder> m_folder;
    std::unique_ptr<ModalAnswers> m_answers;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<Dialogs> m_dialogs;
    std::vector<common::Report> m_reports;
    std::map<ui::Command, std::function<void()>> m_commands;
};

} // namespace testsupport
