#pragma once

#include "mixdesign/core/calculation.h"

namespace mixdesign {

// The six sections of the mix design report, each ending with an empty line but the last.
void addInputSection(text::Report &report, const MixDesignState &state,
                     const MixDesignFigures &figures);
void addWaterCementSection(text::Report &report, const MixDesignFigures &figures);
void addWaterAndCementSection(text::Report &report, const MixDesignState &state,
                              const MixDesignFigures &figures);
void addCementSavingSection(text::Report &report, const MixDesignState &state,
                            const MixDesignFigures &figures);
void addAggregatesSection(text::Report &report, const MixDesignFigures &figures);
void addFinalMixSection(text::Report &report, const MixDesignState &state,
                        const MixDesignFigures &figures);

// The whole report, captioned "Окно №<n>. Расчет БНС.".
text::Report mixDesignReport(const MixDesignState &state, const MixDesignFigures &figures);

} // namespace mixdesign
