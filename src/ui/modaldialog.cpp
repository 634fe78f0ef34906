#include "ui/modaldialog.h"

#include "ui/dialogparts.h"
#include "ui/editfactory.h"
#include "ui/radiogroup.h"
#include "ui/textconvert.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace ui {

ModalDialog::Outcome::Outcome(std::optional<common::Failure> failureToShow,
                              std::optional<Result> result)
    : failure(std::move(failureToShow))
    , closeWith(result)
{
}

ModalDialog::ModalDialog(QWidget *parent)
    : ModalDialog(common::FormFields {}, parent)
{
}

ModalDialog::ModalDialog(common::FormFields form, QWidget *parent)
    : QDialog(parent)
    , m_form(std::move(form))
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

// Each showing starts here, before the window is mapped: the form is loaded, the size fitted
// and the place chosen by the dialog itself, the same at every showing. (Left to itself, the
// toolkit places the first showing by a guessed window frame and the later ones by the real
// one, so the dialog would move between its first and second showing.)
void ModalDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        activated();
        loadFromForm();
        fitContents();
        place();
    }
    QDialog::setVisible(visible);
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

const common::Field &ModalDialog::describedField(const std::string &name, bool edit) const
{
    const auto found
        = std::find_if(m_form.fields.begin(), m_form.fields.end(),
                       [&name](const common::Field &field) { return field.name == name; });
    if (found == m_form.fields.end() || (found->text != nullptr) != edit)
        throw std::logic_error(m_form.dialog + ": the form describes no "
                               + (edit ? "edit " : "radio group ") + name);
    return *found;
}

void ModalDialog::bind(const common::Field &field, QWidget *widget)
{
    if (std::any_of(m_fields.begin(), m_fields.end(),
                    [&field](const BoundField &bound) { return bound.field.name == field.name; }))
        throw std::logic_error(m_form.dialog + ": a second widget for " + field.name);
    m_fields.push_back({field, widget});
}

QLineEdit *ModalDialog::addEdit(const std::string &name, const QString &mask, int maxLength)
{
    const common::Field &field = describedField(name, true);
    QLineEdit *edit = makeEdit(this, toQt(name), mask, maxLength);
    bind(field, edit);
    edit->setText(toQt(*field.text));
    return edit;
}

RadioGroup *ModalDialog::addRadioGroup(const std::string &name, const QString &caption,
                                       const QStringList &items)
{
    const common::Field &field = describedField(name, false);
    if (items.size() != field.items)
        throw std::logic_error(m_form.dialog + ": " + name + " has " + std::to_string(field.items)
                               + " items in its form, not " + std::to_string(items.size()));
    auto *group = new RadioGroup(toQt(name), caption, items, this);
    bind(field, group);
    group->setItemIndex(*field.item);
    return group;
}

void ModalDialog::requireEveryField() const
{
    for (const common::Field &field : m_form.fields) {
        if (std::none_of(m_fields.begin(), m_fields.end(), [&field](const BoundField &bound) {
                return bound.field.name == field.name;
            }))
            throw std::logic_error(m_form.dialog + ": no widget for " + field.name);
    }
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

QPushButton *ModalDialog::addButton(const char *name, const QString &caption, Handler handler)
{
    QPushButton *button = makeButton(this, QString::fromLatin1(name), caption);
    connectHandler(button, std::move(handler));
    if (!m_okButton)
        setOkButton(button);
    return button;
}

QPushButton *ModalDialog::addOkButton(const char *name, Handler handler)
{
    return addButton(name, QStringLiteral("OK"), std::move(handler));
}

QPushButton *ModalDialog::addCloseButton(const char *name, const QString &caption)
{
    QPushButton *button = makeButton(this, QString::fromLatin1(name), caption);
    connectCloseButton(button);
    return button;
}

void ModalDialog::connectHandler(QPushButton *button, Handler handler)
{
    connect(button, &QPushButton::clicked, this,
            [this, handler = std::move(handler)] { press(handler); });
}

void ModalDialog::press(const Handler &handler)
{
    saveToForm();
    const Outcome outcome = handler ? handler() : Outcome();
    if (outcome.failure)
        showFailure(this, *outcome.failure);
    if (outcome.closeWith)
        done(*outcome.closeWith);
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
    // minimised state); those leave the focus where the user put it.
    if (!event->spontaneous()) {
        // Only OK answers Enter: a button that had the focus when the dialog was left must
        // not become the default the next time.
        for (QPushButton *button : findChildren<QPushButton *>())
            button->setAutoDefault(false);
        focusFirstEdit();
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

// The dialog's window centred over the window it belongs to (on the screen without one, or
// when so placed), inside the screen's free area.
void ModalDialog::place()
{
    const QWidget *over = parentWidget() && m_placement == Placement::OverParent
                              ? parentWidget()->window()
                              : nullptr;
    const QScreen *screen = over ? over->screen() : this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
    QRect place(QPoint(0, 0), size());
    place.moveCenter(over && over->isVisible() ? over->geometry().center() : area.center());
    place.moveLeft(std::max(area.left(), std::min(place.left(), area.right() - width())));
    place.moveTop(std::max(area.top(), std::min(place.top(), area.bottom() - height())));
    setGeometry(place);
}

std::optional<common::Failure>
sendReport(const std::variant<common::Report, common::Failure> &result,
           const common::ReportSink &reports)
{
    if (const auto *report = std::get_if<common::Report>(&result)) {
        reports(*report);
        return std::nullopt;
    }
    return std::get<common::Failure>(result);
}

} // namespace ui
