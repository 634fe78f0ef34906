#pragma once

#include "common/report.h"
#include "mixdesign/core/immediatemixdesignprompter.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace testsupport {

using mixdesign::AuxDialog;
using mixdesign::MixDesignState;
using mixdesign::ModalResult;

// Presses OK everywhere except in the dialogs told to close; remembers what was shown and said.
class ScriptedPrompter : public mixdesign::ImmediateMixDesignPrompter
{
public:
    explicit ScriptedPrompter(MixDesignState &state, std::set<AuxDialog> closing = {})
        : ImmediateMixDesignPrompter(state,
                                     [this](const std::string &text) { said.push_back(text); })
        , m_closing(std::move(closing))
    {
    }

    ModalResult show(AuxDialog dialog) override
    {
        shown.push_back(dialog);
        if (m_closing.count(dialog)) {
            if (dialog == AuxDialog::Measure)
                m_state.measure.modalResult = ModalResult::Close;
            return ModalResult::Close;
        }
        return ImmediateMixDesignPrompter::show(dialog);
    }

    std::vector<AuxDialog> shown;
    std::vector<std::string> said;

private:
    std::set<AuxDialog> m_closing;
};

inline bool hasLine(const common::Report &report, const std::string &line)
{
    return std::find(report.lines.begin(), report.lines.end(), line) != report.lines.end();
}

} // namespace testsupport
