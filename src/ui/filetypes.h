#pragma once

#include <QList>
#include <QString>

class QFileDialog;

namespace ui {

// A file type of a file dialog: the text its list shows and the patterns it stands for.
struct FileType
{
    QString description; // "All (*.bmp;*.ico;*.emf;*.wmf)", shown as it stands
    QString patterns;    // "*.bmp *.ico *.emf *.wmf"
};

// Gives the dialog its file types, the one at `selected` chosen. Qt's own filter strings
// would show the patterns as Qt writes them; the list shows each description exactly.
void setFileTypes(QFileDialog *dialog, const QList<FileType> &types, int selected = 0);

} // namespace ui
