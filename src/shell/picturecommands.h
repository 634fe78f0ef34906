#pragma once

#include <QObject>

class QFileDialog;
class QWidget;

namespace shell {

class TfmShowPicture;

// The command "Открыть графику...": the picture dialog, then the picture viewer. Both are made
// once, with the main window as their parent, so the dialog keeps its folder and file name and
// the viewer its size and picture for the whole run.
class PictureCommands : public QObject
{
    Q_OBJECT

public:
    explicit PictureCommands(QWidget *dialogParent, QObject *parent = nullptr);

    // The picture dialog, then the viewer showing the chosen file; nothing for a cancelled
    // dialog or a name under which no file exists.
    void openPicture();

    QFileDialog *pictureDialog() const { return OpenPictureDialog1; }
    TfmShowPicture *viewer() const { return m_viewer; }

private:
    QFileDialog *OpenPictureDialog1;
    TfmShowPicture *m_viewer;
};

} // namespace shell
