#include "shell/filedialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>

namespace shell {

QFileDialog *makeFileDialog(QWidget *parent, const QString &name, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDirectory(QDir::currentPath());
    return dialog;
}

QString chosenFile(QFileDialog *dialog)
{
    const int result = dialog->exec();
    // The name completer's list goes with the dialog, also when a name typed into it ended
    // the dialog while the list was up.
    for (QCompleter *completer : dialog->findChildren<QCompleter *>()) {
        if (completer->popup())
            completer->popup()->hide();
    }
    if (result != QDialog::Accepted)
        return {};
    const QString path = dialog->selectedFiles().value(0);
    if (!path.isEmpty())
        dialog->setDirectory(QFileInfo(path).absolutePath());
    return path;
}

} // namespace shell
