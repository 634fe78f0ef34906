#pragma once

#include "mixdesign/core/forms.h"
#include "mixdesign/core/prompter.h"

#include <functional>
#include <string>

namespace mixdesign {

// A prompter that presses OK in every auxiliary dialog at once, running the same handlers as
// the dialogs' OK buttons; their messages go to `onMessage`. The command line uses it.
class ImmediatePrompter : public Prompter
{
public:
    using MessageSink = std::function<void(const std::string &)>;

    ImmediatePrompter(MixDesignState &state, MessageSink onMessage);

    ModalResult show(AuxDialog dialog) override;
    void message(const std::string &text) override;

protected:
    MixDesignState &m_state;

private:
    MessageSink m_onMessage;
};

} // namespace mixdesign
