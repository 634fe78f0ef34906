#pragma once

#include <functional>
#include <string>
#include <vector>

namespace common {

// How a calculation talks to the user while it runs. The desktop program shows message boxes
// and the real prompt dialog; the command line answers at once; tests script the answers.
// A subsystem whose calculation shows dialogs of its own extends it with those.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // A message; the calculation goes on once it has been read.
    virtual void message(const std::string &text) = 0;

    // Asks for one value: the prompt over an emptied edit. Returns the edit's text as it is
    // when the prompt closes, by either of its buttons.
    virtual std::string askValue(const std::string &prompt) = 0;
};

// A prompter that answers at once: its messages go to a sink, and each value asked takes the
// next of the given answers; one asked beyond them finds the edit empty, as it was left.
class ImmediatePrompter : public Prompter
{
public:
    using MessageSink = std::function<void(const std::string &)>;

    explicit ImmediatePrompter(MessageSink onMessage, std::vector<std::string> answers = {});

    void message(const std::string &text) override;
    std::string askValue(const std::string &prompt) override;

    // The prompts asked so far, in order.
    const std::vector<std::string> &prompts() const { return m_prompts; }

private:
    MessageSink m_onMessage;
    std::vector<std::string> m_answers;
    std::vector<std::string> m_prompts;
};

} // namespace common
