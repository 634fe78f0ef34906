#include "common/prompter.h"

namespace common {

ImmediatePrompter::ImmediatePrompter(MessageSink onMessage, std::vector<std::string> answers)
    : m_onMessage(std::move(onMessage))
    , m_answers(std::move(answers))
{
}

void ImmediatePrompter::message(const std::string &text)
{
    if (m_onMessage)
        m_onMessage(text);
}

std::string ImmediatePrompter::askValue(const std::string &prompt)
{
    const std::size_t asked = m_prompts.size();
    m_prompts.push_back(prompt);
    return asked < m_answers.size() ? m_answers[asked] : std::string();
}

} // namespace common
