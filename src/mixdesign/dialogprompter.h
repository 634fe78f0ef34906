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

    // How to show one auxiliary dialog modally. Every dialog must have one before a
    // calculation runs; a missing one is a wiring fault, and the dialog counts as closed so
    // the calculation ends without a report.
    void setShower(AuxDialog dialog, std::function<ModalResult()> shower);

    ModalResult show(AuxDialog dialog) override;
    void message(const std::string &text) override;

private:
    QWidget *m_messageParent;
    std::map<AuxDialog, std::function<ModalResult()>> m_showers;
};

} // namespace mixdesign
