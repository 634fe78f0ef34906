#pragma once

#include "mixdesign/core/prompter.h"

#include <functional>
#include <map>

class QWidget;

namespace mixdesign {

// The desktop program's prompter: shows the real modal dialogs, and messages in a message box.
class DialogPrompter : public Prompter
{
public:
    explicit DialogPrompter(QWidget *messageParent);

    // How to show one auxiliary dialog modally; a dialog with no way to show it counts as
    // closed.
    void setShower(AuxDialog dialog, std::function<ModalResult()> shower);

    ModalResult show(AuxDialog dialog) override;
    void message(const std::string &text) override;

private:
    QWidget *m_messageParent;
    std::map<AuxDialog, std::function<ModalResult()>> m_showers;
};

} // namespace mixdesign
