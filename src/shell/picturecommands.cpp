#include "shell/picturecommands.h"

#include "shell/picturedialog.h"
#include "shell/showpicture.h"
#include "ui/filedialogs.h"

#include <QFileInfo>

namespace shell {

PictureCommands::PictureCommands(QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , OpenPictureDialog1(makePictureDialog(dialogParent))
    , m_viewer(new TfmShowPicture(OpenPictureDialog1, dialogParent))
{
}

void PictureCommands::openPicture()
{
    const QString path = ui::chosenFile(OpenPictureDialog1);
    // A folder, a pipe or a device is no picture file either.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_viewer->exec();
}

} // namespace shell
