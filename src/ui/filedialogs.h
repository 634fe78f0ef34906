#pragma once

#include <QFileDialog>
#include <QString>

namespace ui {

// The program's own file dialogs (not the desktop's), the same on every desktop, with all files
// listed, starting in the current folder. The columns of the detail view (name, size, type,
// date modified) widen to their contents whenever a folder is listed, and the dialog opens wide
// enough for them. Sizes and dates are those the files have now, also for a file that was
// written after its folder was first listed.
QFileDialog *makeFileDialog(QWidget *parent, const QString &name, QFileDialog::AcceptMode mode);

// Shows the dialog; the file chosen, or empty when it was cancelled. The dialog starts in the
// chosen file's folder next time, also when the name was typed with a folder of its own.
QString chosenFile(QFileDialog *dialog);

} // namespace ui
