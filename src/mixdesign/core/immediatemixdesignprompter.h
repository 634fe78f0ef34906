#pragma once

#include "mixdesign/core/forms.h"
#include "mixdesign/core/mixdesignprompter.h"

#include <optional>
#include <string>

namespace mixdesign {

// A prompter that presses OK in every auxiliary dialog at once, running the same handlers as
// the dialogs' OK buttons; their messages go to `onMessage`. The command line uses it.
class ImmediateMixDesignPrompter : public MixDesignPrompter
{
public:
    ImmediateMixDesignPrompter(MixDesignState &state,
                               common::ImmediatePrompter::MessageSink onMessage);

    // The cement grade "typed" into the measure dialog after Teconomy has filled it in from
    // the input dialog; without it the filled-in grade stays.
    void typeCementGrade(std::string grade) { m_typedCementGrade = std::move(grade); }

    ModalResult show(AuxDialog dialog) override;
    void message(const std::string &text) override { m_general.message(text); }
    std::string askValue(const std::string &prompt) override { return m_general.askValue(prompt); }

protected:
    MixDesignState &m_state;

private:
    common::ImmediatePrompter m_general;
    std::optional<std::string> m_typedCementGrade;
};

} // namespace mixdesign
