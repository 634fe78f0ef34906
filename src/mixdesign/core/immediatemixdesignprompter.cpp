#include "mixdesign/core/immediatemixdesignprompter.h"

#include "mixdesign/core/economy.h"
#include "mixdesign/core/frostwater.h"
#include "mixdesign/core/steamcuring.h"

namespace mixdesign {

ImmediateMixDesignPrompter::ImmediateMixDesignPrompter(
    MixDesignState &state, common::ImmediatePrompter::MessageSink onMessage)
    : m_state(state)
    , m_general(std::move(onMessage))
{
}

ModalResult ImmediateMixDesignPrompter::show(AuxDialog dialog)
{
    std::optional<common::Failure> failure;
    ModalResult result = ModalResult::Ok;
    switch (dialog) {
    case AuxDialog::FrostPage:
        failure = acceptGrade(m_state.frostWater, GradePage::Frost);
        break;
    case AuxDialog::WaterproofPage:
        failure = acceptGrade(m_state.frostWater, GradePage::Waterproof);
        break;
    case AuxDialog::SteamCuring:
        failure = acceptSteamCuring(m_state.steamCuring, m_state.work);
        break;
    case AuxDialog::Economy:
        failure = acceptEconomy(m_state, *this);
        break;
    case AuxDialog::Measure:
        activateMeasure(m_state);
        if (m_typedCementGrade)
            m_state.measure.edMarka_C = *m_typedCementGrade;
        failure = acceptMeasure(m_state);
        result = m_state.measure.modalResult;
        break;
    }
    if (failure)
        message(failure->message);
    return result;
}

} // namespace mixdesign
