#include "common/report.h"

namespace common {

std::string Report::caption(int windowNumber) const
{
    return captionBeforeNumber + std::to_string(windowNumber) + captionAfterNumber;
}

} // namespace common
