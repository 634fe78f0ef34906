#include "ui/filedialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

#include <algorithm>

namespace ui {

namespace {

// Keeps a file dialog's detail columns as wide as their contents: fits them to the folder's
// list once it has been read (again whenever another folder is shown) and at every showing,
// and then widens the dialog by what the columns lack, as far as the screen allows. In
// between, a width the user drags stays.
class ColumnFitter : public QObject
{
public:
    ColumnFitter(QFileDialog *dialog, QTreeView *view)
        : QObject(dialog)
        , m_dialog(dialog)
        , m_view(view)
    {
        dialog->installEventFilter(this);
    }

    void folderRead(const QString &folder)
    {
        if (folder == m_fitted || folder != m_dialog->directory().absolutePath())
            return;
        fitColumns();
        m_fitted = folder;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show)
            widenDialog();
        return false;
    }

private:
    void fitColumns()
    {
        for (int column = 0; column < m_view->header()->count(); ++column)
            m_view->resizeColumnToContents(column);
    }

    void widenDialog()
    {
        fitColumns();
        m_fitted = m_dialog->directory().absolutePath();
        const int lacking = m_view->header()->length() - m_view->viewport()->width();
        if (lacking <= 0)
            return;
        int width = m_dialog->width() + lacking;
        if (const QScreen *screen = m_dialog->screen())
            width = std::min(width, screen->availableGeometry().width());
        m_dialog->resize(std::max(width, m_dialog->width()), m_dialog->height());
    }

    QFileDialog *m_dialog;
    QTreeView *m_view;
    QString m_fitted;
};

void fitColumnsToContents(QFileDialog *dialog)
{
    auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    auto *model = dialog->findChild<QFileSystemModel *>(QStringLiteral("qt_filesystem_model"));
    if (!view || !model)
        return;
    auto *fitter = new ColumnFitter(dialog, view);
    QObject::connect(model, &QFileSystemModel::directoryLoaded, fitter, &ColumnFitter::folderRead);
}

} // namespace

QFileDialog *makeFileDialog(QWidget *parent, const QString &name, QFileDialog::AcceptMode mode)
{
    // The dialogs' file lists watch their folders, which tells them of files added, removed
    // or renamed, but not of a file written to after it was listed (a file copied or saved
    // there by another program while the folder is open): its size would stay as it was
    // listed, often 0 bytes. Asked to, the lists also watch each file they show. Read once,
    // when the first list is filled, so it is set before the first dialog exists.
    if (!qEnvironmentVariableIsSet("QT_FILESYSTEMMODEL_WATCH_FILES"))
        qputenv("QT_FILESYSTEMMODEL_WATCH_FILES", "1");
    auto *dialog = new QFileDialog(parent);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    fitColumnsToContents(dialog);
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

} // namespace ui
