#pragma once

#include <QDialog>
#include <QPointer>

class QFileDialog;
class QScrollArea;

namespace ui {
class PictureControl;
}

namespace shell {

// TfmShowPicture: the picture viewer, an ordinary sizeable window (765 × 359 at first, in the
// middle of the screen) that is shown modally and closed with its close box. Its picture
// control `Image` lies along the top, as wide as the window and as high as the picture; the
// window scrolls vertically when the picture is higher and cuts a wider one off at the right.
// Each showing loads the file named in the picture dialog; a file that does not load whole
// leaves the picture shown before, without a word. Made once, it keeps its size and its
// picture for the whole run.
class TfmShowPicture : public QDialog
{
    Q_OBJECT

public:
    explicit TfmShowPicture(QFileDialog *pictureDialog, QWidget *parent = nullptr);

    ui::PictureControl *image() const { return Image; }
    QScrollArea *scrollArea() const { return m_scrollArea; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeCentred();

    QPointer<QFileDialog> m_pictureDialog;
    QScrollArea *m_scrollArea;
    ui::PictureControl *Image;
};

} // namespace shell
