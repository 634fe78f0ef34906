#pragma once

#include "text/errors.h"

#include <stdexcept>
#include <string>

namespace mixdesign {

// Ends a mix design calculation for a reason of its own: a dialog closed, a measure refused,
// an input the formulas do not cover. The message is what the command line reports.
class MixDesignError : public std::runtime_error
{
public:
    MixDesignError(text::Failure::Kind kind, const std::string &message)
        : std::runtime_error(message)
        , m_kind(kind)
    {}
    text::Failure failure() const { return {m_kind, what()}; }

private:
    text::Failure::Kind m_kind;
};

} // namespace mixdesign
