#pragma once

#include "common/failure.h"

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

// A push button named after its control.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption);

// OK and Close side by side at the right.
QBoxLayout *buttonRow(QPushButton *ok, QPushButton *close);

// An edit with its label on the left.
struct LabelledEdit
{
    const char *label; // UTF-8
    QLineEdit *edit;
};

// Labelled edits one below another.
QFormLayout *editRows(std::initializer_list<LabelledEdit> edits);

// The same in a group box with a caption.
QGroupBox *editGroup(QWidget *parent, const QString &caption,
                     std::initializer_list<LabelledEdit> edits);

// One page of a paged dialog: a labelled edit with its own OK and Close.
struct EditPageNames
{
    const char *sheet;   // the page's name
    const char *caption; // its tab
    const char *label;   // over the edit
    const char *ok;
    const char *close;
};

struct EditPage
{
    QWidget *sheet = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *close = nullptr;
};

// The page of `edit` (made by the dialog from its form), which it takes in.
EditPage makeEditPage(QWidget *parent, const EditPageNames &names, QLineEdit *edit);

// The message of a failed OK, shown over `parent` in a message box.
void showFailure(QWidget *parent, const common::Failure &failure);

} // namespace ui
