#include "ui/modaldialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

namespace ui {

ModalDialog::ModalDialog(QWidget *parent)
    : QDialog(parent)
{
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
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

void ModalDialog::setOkButton(QPushButton *button)
{
    if (m_okButton)
        m_okButton->setDefault(false);
    m_okButton = button;
    if (m_okButton) {
        m_okButton->setDefault(true);
        m_okButton->setAutoDefault(true);
    }
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
    }
    QDialog::showEvent(event);
}

void ModalDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_okButton && m_okButton->isEnabled())
            m_okButton->click();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Q_EMIT helpRequested(m_helpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace ui
