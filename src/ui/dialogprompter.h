#pragma once

#include "common/prompter.h"

#include <functional>

class QWidget;

namespace ui {

// The desktop program's prompter: a message goes into a message box titled with the program's
// name over the dialog on top; a value is asked through the prompt dialog that a subsystem
// installs.
class DialogPrompter : public common::Prompter
{
public:
    using Asker = std::function<std::string(const std::string &prompt)>;

    explicit DialogPrompter(QWidget *messageParent);

    void setAsker(Asker asker) { m_asker = std::move(asker); }

    void message(const std::string &text) override;
    // Without a prompt dialog installed the edit is empty, as a prompt closed at once leaves it.
    std::string askValue(const std::string &prompt) override;

private:
    QWidget *m_messageParent;
    Asker m_asker;
};

} // namespace ui
