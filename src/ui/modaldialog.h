#pragma once

#include <QDialog>

class QPushButton;

namespace ui {

// A dialog of the program: created once, shown modally, keeping its values between showings.
// Its modal results are OK = 1 and Close = 2 (the "&Close" buttons and the close box); its OK
// button is both the default and the cancel button, so Enter and Esc both press it. The
// widgets are loaded from the dialog's form when it is shown and written back before any
// handler runs and whenever it closes. F1 asks for the help page of its help context.
class ModalDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result { Ok = 1, Close = 2 };

    explicit ModalDialog(QWidget *parent = nullptr);

    int helpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }

    // The close box and the "&Close" buttons.
    void reject() override;
    void done(int result) override;

Q_SIGNALS:
    void helpRequested(int context);

protected:
    // The button that Enter and Esc press (the OK of the visible page).
    void setOkButton(QPushButton *button);
    QPushButton *okButton() const { return m_okButton; }

    // "&Close" closes with the Close result and computes nothing.
    void connectCloseButton(QPushButton *button);

    // Widgets ↔ form.
    virtual void loadFromForm() = 0;
    virtual void saveToForm() = 0;
    // Runs once at each showing, before the widgets are loaded from the form.
    virtual void activated() {}

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *m_okButton = nullptr;
    int m_helpContext = 0;
};

} // namespace ui
