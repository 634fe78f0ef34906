#pragma once

class QFileDialog;
class QWidget;

namespace shell {

// OpenPictureDialog1: the main window's picture dialog, an open dialog with the picture filter
// (its combined entry chosen), a preview of the selected file beside the list ("PicturePreview",
// drawn by the picture control's loaders) and a read-only check box that changes nothing. It
// can be resized.
QFileDialog *makePictureDialog(QWidget *parent);

} // namespace shell
