#pragma once

#include "common/failure.h"
#include "common/formfields.h"
#include "common/report.h"
#include "ui/helpcontext.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

class QLineEdit;
class QPushButton;

namespace ui {

class RadioGroup;

// A dialog of the program: created once, shown modally, keeping its values between showings.
// Its modal results are OK = 1 and Close = 2 (the "&Close" buttons and the close box); its OK
// button is both the default and the cancel button, so Enter and Esc both press it whatever
// has the focus (no other button takes Enter). Its edits and radio groups are made from the
// description of its form, each bound to its member of the form at once: they are loaded from
// the form when the dialog is shown and written back before any handler runs and whenever it
// closes. Each showing puts the focus on the first edit and the dialog at the same place,
// centred over the window it belongs to or on the screen. F1 asks for the help page of its help
// context. When it closes, the window that was active before it is active again.
//
// It asks the window manager for a close box only, no minimise or maximise box, and unless
// made resizable it keeps the size its contents and its caption need. Minimised all the same,
// it comes back at once with the program.
class ModalDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result { Ok = 1, Close = 2 };

    // What a button's handler leaves: the failure to show in a message box, if any, and the
    // result the dialog then closes with (none: it stays open).
    struct Outcome
    {
        Outcome(std::optional<common::Failure> failure = std::nullopt,
                std::optional<Result> closeWith = Ok);

        std::optional<common::Failure> failure;
        std::optional<Result> closeWith;
    };
    using Handler = std::function<Outcome()>;

    // A dialog without a form, or with the form that `form` describes.
    explicit ModalDialog(QWidget *parent = nullptr);
    explicit ModalDialog(common::FormFields form, QWidget *parent = nullptr);

    HelpContext helpContext() const { return m_helpContext; }
    void setHelpContext(HelpContext context) { m_helpContext = context; }

    int exec() override;
    void setVisible(bool visible) override;
    // The close box and the "&Close" buttons.
    void reject() override;
    void done(int result) override;

Q_SIGNALS:
    void helpRequested(ui::HelpContext context);

protected:
    // The edit of the described control `name` (a numeric edit with the dialog's mask, if
    // any, and maximum length) and the radio group of `name` with its items. A name the
    // form does not describe, or describes as the other kind of control or with another item
    // count, is a fault of the program: std::logic_error naming it, in every build.
    QLineEdit *addEdit(const std::string &name, const QString &mask = {}, int maxLength = 0);
    RadioGroup *addRadioGroup(const std::string &name, const QString &caption,
                              const QStringList &items);

    // The controls the form describes, in its order.
    const std::vector<common::Field> &describedFields() const { return m_form.fields; }

    // Ends the construction of the controls: a described control that has no widget is a
    // fault of the program, std::logic_error naming it, in every build.
    void requireEveryField() const;

    // The one way a button acts on the form: it saves the widgets into the form, runs the
    // handler, shows the handler's failure (if any) over the dialog and closes with the
    // handler's result. The first button added this way is the OK button that Enter and Esc
    // press.
    QPushButton *addButton(const char *name, const QString &caption, Handler handler);
    QPushButton *addOkButton(const char *name, Handler handler);
    // "&Close" closes with the Close result and computes nothing.
    QPushButton *addCloseButton(const char *name,
                                const QString &caption = QStringLiteral("&Close"));
    // The same for buttons made elsewhere (the pages of a paged dialog).
    void connectHandler(QPushButton *button, Handler handler);
    void connectCloseButton(QPushButton *button);

    // The button that Enter and Esc press (the OK of the visible page).
    void setOkButton(QPushButton *button);

    // Where each showing puts the dialog: centred over the window it belongs to (at first), or
    // on the screen.
    enum class Placement { OverParent, CentredOnScreen };
    void setPlacement(Placement placement) { m_placement = placement; }

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

    const common::Field &describedField(const std::string &name, bool edit) const;
    void bind(const common::Field &field, QWidget *widget);
    void loadFromForm();
    void saveToForm();
    void press(const Handler &handler);
    void focusFirstEdit();
    void fitContents();
    void place();

    common::FormFields m_form;
    std::vector<BoundField> m_fields;
    QPushButton *m_okButton = nullptr;
    HelpContext m_helpContext = HelpContext::Contents;
    bool m_resizable = false;
    Placement m_placement = Placement::OverParent;
};

// A calculation's report goes to `reports`; its failure is what is left to show.
std::optional<common::Failure>
sendReport(const std::variant<common::Report, common::Failure> &result,
           const common::ReportSink &reports);

} // namespace ui
