#pragma once

#include "app/program.h"
#include "app/startup.h"

#include "modalanswers.h"
#include "workingfolder.h"

#include <QTest>

#include <memory>

namespace testsupport {

// The whole program for one test function, started as the desktop starts it (no splash) in a
// working folder of its own. start() belongs in init(), finish() in cleanup(); finish() fails
// the test when a scripted dialog never came or a dialog had to be closed by the watchdog.
class ProgramFixture
{
public:
    void start()
    {
        static const bool applicationSetUp = app::setUpApplication(*qApp);
        Q_UNUSED(applicationSetUp);
        m_folder = std::make_unique<WorkingFolder>();
        m_answers = std::make_unique<ModalAnswers>();
        m_program = std::make_unique<app::Program>();
        m_program->show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_program->mainWindow(), patienceMs));
    }

    void finish()
    {
        if (m_answers)
            m_answers->check();
        m_program.reset();
        m_answers.reset();
        m_folder.reset();
    }

    app::Program &program() const { return *m_program; }
    shell::TfmForm1 &mainWindow() const { return m_program->mainWindow(); }
    QString folder() const { return m_folder->path(); }

private:
    std::unique_ptr<WorkingFolder> m_folder;
    std::unique_ptr<ModalAnswers> m_answers;
    std::unique_ptr<app::Program> m_program;
};

} // namespace testsupport
