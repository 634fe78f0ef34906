#pragma once

#include <string>
#include <vector>

namespace common {

// One control of a dialog, bound to the member of the form that holds its value: an edit's
// text as typed, or a radio group's item index (−1: no item selected).
struct Field
{
    std::string name;            // the control's name
    std::string *text = nullptr; // an edit
    int *item = nullptr;         // a radio group
    int items = 0;               // a radio group's item count
    bool noneAllowed = true;     // may the group stand with no item selected?
};

Field edit(std::string name, std::string &text);
Field radioGroup(std::string name, int &item, int items, bool noneAllowed = true);

// A dialog's controls, described once: the dialog shows and keeps its widgets by them, and
// the command line sets them by name.
struct FormFields
{
    std::string dialog; // the dialog's class name
    std::vector<Field> fields;
};

// The control that NAME, or DIALOG.NAME where a name stands in several dialogs, stands for;
// null with the reason in `why` when it is unknown or ambiguous.
Field *findField(std::vector<FormFields> &forms, const std::string &qualifiedName,
                 std::string &why);

// Sets a control as the user would: an edit takes the text, a radio group the item index the
// text gives. False, with the reason in `why`, when the index is no item of the group.
bool setField(Field &field, const std::string &value, std::string &why);

} // namespace common
