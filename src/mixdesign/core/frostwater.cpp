#include "mixdesign/core/frostwater.h"

#include "text/numbers.h"

#include <cmath>

namespace mixdesign {

double maxWCForFrost(std::int64_t f)
{
    if (f <= 100)
        return 0.60;
    if (f <= 150)
        return 0.55;
    if (f <= 200)
        return 0.50;
    if (f <= 300)
        return 0.45;
    return 0.40;
}

double maxWCForWaterproofness(std::int64_t w)
{
    if (w <= 4)
        return 0.55;
    if (w <= 6)
        return 0.45;
    return 0.40;
}

std::optional<common::Failure> acceptGrade(FrostWaterForm &form, GradePage page)
{
    const std::string &textOfGrade = page == GradePage::Frost ? form.edMarka_F : form.edW;
    const auto value = text::parseNumber(textOfGrade);
    if (!value)
        return common::ConversionError(textOfGrade).failure();
    // A whole number that a signed 64-bit integer holds, or no grade at all.
    const double rounded = text::roundHalfEven(*value);
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0))
        return common::ArithmeticError(common::ArithmeticFault::InvalidOperation).failure();
    const auto grade = static_cast<std::int64_t>(rounded);
    form.MaxWCRatio
        = page == GradePage::Frost ? maxWCForFrost(grade) : maxWCForWaterproofness(grade);
    return std::nullopt;
}

} // namespace mixdesign
