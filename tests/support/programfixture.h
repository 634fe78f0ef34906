#pragma once

#include "app/program.h"
#include "app/startup.h"

#include "modalanswers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace testsupport {

// The whole program for one test function, started as the desktop starts it (no splash) in a
// working folder of its own, where the options file and saved files go. start() belongs in
// init(), finish() in cleanup(); finish() fails the test when a scripted dialog never came or a
// dialog had to be closed by the watchdog.
class ProgramFixture
{
public:
    void start()
    {
        static const bool applicationSetUp = app::setUpApplication(*qApp);
        Q_UNUSED(applicationSetUp);
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_previousFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_folder->path()));
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
        if (!m_previousFolder.isEmpty())
            QDir::setCurrent(m_previousFolder);
        m_folder.reset();
    }

    app::Program &program() const { return *m_program; }
    shell::TfmForm1 &mainWindow() const { return m_program->mainWindow(); }
    // The working folder of the test.
    QString folder() const { return m_folder->path(); }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
    std::unique_ptr<ModalAnswers> m_answers;
    std::unique_ptr<app::Program> m_program;
};

} // namespace testsupport
