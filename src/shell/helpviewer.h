#pragma once

#include "ui/helpcontext.h"

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace shell {

// The help window: the program's Russian help pages, built into the program, with a contents
// page, one page per help context number, links between them and back and forward.
// Shown over a modal dialog it is modal itself, so it can be read and used while the dialog
// waits; otherwise it is an ordinary window beside the main window.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    static QUrl contentsPage();
    static QUrl pageOfContext(ui::HelpContext context);

    // Makes F1 in every dialog of the program (every ui::ModalDialog under `root`, such as the
    // main window that parents them all) open that dialog's page. Call it once all dialogs
    // exist; calling it again does not connect a dialog twice.
    void serveDialogsOf(const QWidget *root);

public Q_SLOTS:
    // "Помощь" (F1 in the main window).
    void showContents();
    // The page of a help context; one without a page of its own (and the contents' 0) gives
    // the contents. F1 in a dialog: connect ui::ModalDialog::helpRequested here.
    void showContext(ui::HelpContext context);

private:
    void showPage(const QUrl &page);
    void present();
    void updateTitle();

    QTextBrowser *m_browser;
    QAction *m_back;
    QAction *m_forward;
};

} // namespace shell
