#pragma once

#include "common/formfields.h"

#include <QDialog>
#include <QPointer>

#include <vector>

class QPushButton;

namespace ui {

// A dialog of the program: created once, shown modally, keeping its values between showings.
// Its modal results are OK = 1 and Close = 2 (the "&Close" buttons and the close box); its OK
// button is both the default and the cancel button, so Enter and Esc both press it whatever
// has the focus (no other button takes Enter). The widgets named in its form's description are
// loaded from the form when it is shown and written back before any handler runs and whenever
// it closes. Each showing puts the focus on the first edit. F1 asks for the help page of its
// help context. When it closes, the window that was active before it is active again.
//
// It asks the window manager for a close box only, no minimise or maximise box, and unless
// made resizable it keeps the size its contents and its caption need. Minimised all the same,
// it comes back at once with the program.
class ModalDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result { Ok = 1, Close = 2 };

    explicit ModalDialog(QWidget *parent = nullptr);

    int helpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }

    int exec() override;
    // The close box and the "&Close" buttons.
    void reject() override;
    void done(int result) override;

Q_SIGNALS:
    void helpRequested(int context);

protected:
    // The controls that show the form: each described control is found among the dialog's
    // widgets by its name. Call it once the widgets exist.
    void bindForm(common::FormFields fields);

    // Widgets ↔ form, by the description.
    void loadFromForm();
    void saveToForm();

    // The button that Enter and Esc press (the OK of the visible page).
    void setOkButton(QPushButton *button);
    QPushButton *okButton() const { return m_okButton; }

    // "&Close" closes with the Close result and computes nothing.
    void connectCloseButton(QPushButton *button);

    // A resizable dialog keeps its size between showings instead of fitting its contents.
    void setResizable(bool resizable) { m_resizable = resizable; }

    // Runs once at each showing, before the widgets are loaded from the form.
    virtual void activated() { }

    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct BoundField
    {
        common::Field field;
        QWidget *widget;
    };

    void focusFirstEdit();
    void fitContents();

    QPushButton *m_okButton = nullptr;
    int m_helpContext = 0;
    bool m_resizable = false;
    std::vector<BoundField> m_fields;
};

} // namespace ui
