#include "common/formfields.h"

#include <charconv>

namespace common {

Field edit(std::string name, std::string &text)
{
    return {std::move(name), &text, nullptr, 0, true};
}

Field radioGroup(std::string name, int &item, int items, bool noneAllowed)
{
    return {std::move(name), nullptr, &item, items, noneAllowed};
}

Field *findField(std::vector<FormFields> &forms, const std::string &qualifiedName, std::string &why)
{
    const auto dot = qualifiedName.find('.');
    const std::string dialog = dot == std::string::npos ? "" : qualifiedName.substr(0, dot);
    const std::string name
        = dot == std::string::npos ? qualifiedName : qualifiedName.substr(dot + 1);
    Field *found = nullptr;
    std::string foundIn;
    int matches = 0;
    for (FormFields &form : forms) {
        if (!dialog.empty() && dialog != form.dialog)
            continue;
        for (Field &field : form.fields) {
            if (field.name == name) {
                if (!found)
                    foundIn = form.dialog;
                found = &field;
                ++matches;
            }
        }
    }
    if (matches == 0)
        why = "неизвестный элемент управления: " + qualifiedName;
    else if (matches > 1)
        why = "имя " + qualifiedName + " есть в нескольких окнах; укажите окно, например " + foundIn
              + "." + name;
    return matches == 1 ? found : nullptr;
}

bool setField(Field &field, const std::string &value, std::string &why)
{
    if (field.text) {
        *field.text = value;
        return true;
    }
    int index = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
    const int lowest = field.noneAllowed ? -1 : 0;
    if (ec != std::errc() || end != value.data() + value.size() || index < lowest
        || index >= field.items) {
        why = "номер пункта " + field.name + " должен быть целым от " + std::to_string(lowest)
              + " до " + std::to_string(field.items - 1);
        return false;
    }
    *field.item = index;
    return true;
}

} // namespace common
