#include "shell/showpicture.h"

#include "ui/picturecontrol.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace shell {

TfmShowPicture::TfmShowPicture(QFileDialog *pictureDialog, QWidget *parent)
    : QDialog(parent)
    , m_pictureDialog(pictureDialog)
    , m_scrollArea(new QScrollArea(this))
    , Image(new ui::PictureControl)
{
    setObjectName(QStringLiteral("TfmShowPicture"));
    setWindowTitle(QStringLiteral("Просмотр рисунков"));
    // A window of its own with a maximise box; no minimise box, since a minimised modal window
    // would leave nothing of the program to click.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);
    Image->setObjectName(QStringLiteral("Image"));
    m_scrollArea->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The control takes the width of the window and keeps the height of its picture.
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollArea->setWidget(Image);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    placeCentred();
}

void TfmShowPicture::placeCentred()
{
    const QSize initial(765, 359);
    resize(initial);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QRect(QPoint(), initial).center());
}

// The file is loaded before the window appears, at each showing: the window is modal, so it
// becomes the active window once a showing, and no other window can change the dialog's file
// name in between.
void TfmShowPicture::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (m_pictureDialog)
            Image->loadFile(m_pictureDialog->selectedFiles().value(0));
        m_scrollArea->verticalScrollBar()->setValue(0);
    }
    QDialog::showEvent(event);
}

// The viewer has no buttons: Esc and Enter do nothing, the close box closes it.
void TfmShowPicture::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace shell
