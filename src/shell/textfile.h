#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// Reading and writing the program's text files: Windows-1251, a line per line end.

struct TextFileContents
{
    QStringList lines; // the complete lines read, even when reading failed part-way
    QString error;     // why reading stopped early; empty when the whole file was read
};

// Reads a file as Windows-1251 text: a line ends at CR LF or at a bare LF, a bare CR stays in
// its line; the file is read and decoded a large piece at a time.
TextFileContents readTextFile(const QString &path);

// Creates or replaces the file with every line followed by CR LF in Windows-1251, whole or not
// at all: a failed save leaves the old file as it was. Nothing is written when a line holds a
// character that Windows-1251 cannot hold. On failure returns false and says why in `reason`
// (the system's words for a write that failed).
bool writeTextFile(const QString &path, const QStringList &lines, QString *reason);

} // namespace shell
