#include "ui/modaldialog.h"

#include "ui/radiogroup.h"
#include "ui/textconvert.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

namespace ui {

ModalDialog::ModalDialog(QWidget *parent)
    : QDialog(parent)
{
    setModal(true);
    // A close box only: a minimised modal dialog would hide the program behind it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

int ModalDialog::exec()
{
    QPointer<QWidget> previous = QApplication::activeWindow();
    const int result = QDialog::exec();
    // The window system does not always give the activation back to the window the dialog
    // came from (a chain of nested dialogs, a message box in between): give it back here. The
    // dialog still open under this one takes it; without one, the window that was active when
    // this one opened (on a busy machine that may not have been the dialog under it yet).
    QWidget *next = QApplication::activeModalWidget();
    if (!next)
        next = previous;
    if (next && next->isVisible())
        next->activateWindow();
    return result;
}

void ModalDialog::reject()
{
    done(Close);
}

void ModalDialog::done(int result)
{
    saveToForm();
    QDialog::done(result);
}

void ModalDialog::bindForm(common::FormFields fields)
{
    m_fields.clear();
    for (common::Field &field : fields.fields) {
        const QString name = toQt(field.name);
        QWidget *widget = field.text ? static_cast<QWidget *>(findChild<QLineEdit *>(name))
                                     : findChild<RadioGroup *>(name);
        Q_ASSERT_X(widget, "ModalDialog::bindForm", qPrintable(name));
        if (widget)
            m_fields.push_back({std::move(field), widget});
    }
    loadFromForm();
}

void ModalDialog::loadFromForm()
{
    for (const BoundField &bound : m_fields) {
        if (bound.field.text)
            static_cast<QLineEdit *>(bound.widget)->setText(toQt(*bound.field.text));
        else
            static_cast<RadioGroup *>(bound.widget)->setItemIndex(*bound.field.item);
    }
}

void ModalDialog::saveToForm()
{
    for (const BoundField &bound : m_fields) {
        if (bound.field.text)
            *bound.field.text = fromQt(static_cast<QLineEdit *>(bound.widget)->text());
        else
            *bound.field.item = static_cast<RadioGroup *>(bound.widget)->itemIndex();
    }
}

void ModalDialog::setOkButton(QPushButton *button)
{
    if (m_okButton)
        m_okButton->setDefault(false);
    m_okButton = button;
    if (m_okButton)
        m_okButton->setDefault(true);
}

void ModalDialog::connectCloseButton(QPushButton *button)
{
    connect(button, &QPushButton::clicked, this, [this] { done(Close); });
}

void ModalDialog::showEvent(QShowEvent *event)
{
    // The window system sends show events of its own (when mapped, when restored from a
    // minimised state); those must not replace what the user has typed.
    if (!event->spontaneous()) {
        activated();
        loadFromForm();
        // Only OK answers Enter: a button that had the focus when the dialog was left must
        // not become the default the next time.
        for (QPushButton *button : findChildren<QPushButton *>())
            button->setAutoDefault(false);
        focusFirstEdit();
        fitContents();
    }
    QDialog::showEvent(event);
}

// A window manager that offers to minimise a dialog anyway minimises the program with it,
// which would leave the user nothing to click: both come back at once.
void ModalDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized())
        return;
    QTimer::singleShot(0, this, [this] {
        for (QWidget *window :
             {parentWidget() ? parentWidget()->window() : nullptr, static_cast<QWidget *>(this)}) {
            if (window && window->isMinimized())
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        }
        raise();
        activateWindow();
    });
}

void ModalDialog::keyPressEvent(QKeyEvent *event)
{
    const bool plain
        = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!plain)
            break;
        if (m_okButton && m_okButton->isEnabled())
            m_okButton->click();
        return;
    case Qt::Key_F1:
        if (!plain)
            break;
        Q_EMIT helpRequested(m_helpContext);
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

// The first edit in the focus order that the user can reach on the page on view; without
// one, the first other control that takes the keyboard.
void ModalDialog::focusFirstEdit()
{
    QWidget *firstOther = nullptr;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!w->isVisibleTo(this) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (qobject_cast<QLineEdit *>(w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!firstOther && !qobject_cast<QPushButton *>(w))
            firstOther = w;
    }
    if (firstOther)
        firstOther->setFocus(Qt::OtherFocusReason);
    else if (m_okButton)
        m_okButton->setFocus(Qt::OtherFocusReason);
}

// Large enough for the contents and for the whole caption in the title bar: the caption's
// text in a bold title font, plus room for the window's icon and close box.
void ModalDialog::fitContents()
{
    // A dialog that places its widgets itself has the size it set.
    if (!layout())
        return;
    QFont titleFont = font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    // Window managers draw captions in fonts of their own, often a little wider.
    const int titleWidth
        = metrics.horizontalAdvance(windowTitle()) * 11 / 10 + 6 * metrics.height();
    if (m_resizable) {
        setMinimumWidth(std::max(minimumSizeHint().width(), titleWidth));
        return;
    }
    layout()->activate();
    setFixedSize(sizeHint().expandedTo(QSize(titleWidth, 0)));
}

} // namespace ui
