#pragma once

#include <QFileDialog>
#include <QString>

namespace shell {

// The program's own file dialogs, the same on every desktop, with all files listed, starting
// in the current folder.
QFileDialog *makeFileDialog(QWidget *parent, const QString &name, QFileDialog::AcceptMode mode);

// Shows the dialog; the file chosen, or empty when it was cancelled. The dialog starts in the
// chosen file's folder next time, also when the name was typed with a folder of its own.
QString chosenFile(QFileDialog *dialog);

} // namespace shell
