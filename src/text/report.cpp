#include "text/report.h"

namespace text {

std::string Report::caption(int windowNumber) const
{
    return captionBeforeNumber + std::to_string(windowNumber) + captionAfterNumber;
}

} // namespace text
