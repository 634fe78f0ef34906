#include "shell/picturedialog.h"

#include "ui/filedialogs.h"
#include "ui/filetypes.h"
#include "ui/picturecontrol.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>

namespace shell {

namespace {

void addPreviewAndReadOnly(QFileDialog *dialog)
{
    auto *layout = qobject_cast<QGridLayout *>(dialog->layout());
    if (!layout)
        return;
    auto *preview = new ui::PicturePreview(dialog);
    preview->setObjectName(QStringLiteral("PicturePreview"));
    layout->addWidget(preview, 1, layout->columnCount(), 1, 1);
    // The preview shows the file picked in the list, or the one whose name the user types
    // (which the list selects without making it current).
    QObject::connect(dialog, &QFileDialog::currentChanged, preview, &ui::PicturePreview::showFile);
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        QObject::connect(
            name, &QLineEdit::textEdited, preview, [dialog, preview](const QString &typed) {
                preview->showFile(typed.isEmpty() ? QString()
                                                  : dialog->directory().absoluteFilePath(typed));
            });
    }
    // Shown as the system's dialog shows it; opening a picture never writes to it.
    auto *readOnly = new QCheckBox(QStringLiteral("Только чтение"), dialog);
    readOnly->setObjectName(QStringLiteral("ReadOnlyCheckBox"));
    layout->addWidget(readOnly, layout->rowCount(), 1);
}

} // namespace

QFileDialog *makePictureDialog(QWidget *parent)
{
    QFileDialog *dialog
        = ui::makeFileDialog(parent, QStringLiteral("OpenPictureDialog1"), QFileDialog::AcceptOpen);
    ui::setFileTypes(dialog, QString::fromUtf8(ui::pictureFileTypes));
    dialog->setSizeGripEnabled(true);
    addPreviewAndReadOnly(dialog);
    // Room for the list and the preview beside it.
    dialog->resize(dialog->sizeHint().expandedTo(QSize(760, 440)));
    return dialog;
}

} // namespace shell
