#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace testsupport {

// A temporary working folder for one test function: the options file, saved files and
// registers go there, and the previous working folder comes back when it goes.
class WorkingFolder
{
public:
    WorkingFolder()
        : m_previous(QDir::currentPath())
    {
        if (!m_folder.isValid() || !QDir::setCurrent(m_folder.path()))
            qFatal("cannot make a working folder for the test");
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    QString path() const { return m_folder.path(); }

private:
    QString m_previous;
    QTemporaryDir m_folder;
};

} // namespace testsupport
