#pragma once

#include "mixdesign/core/calculation.h"

namespace mixdesign {

// The six sections of the mix design report, each ending with an empty line but the last.
void addInputSection(common::Report &report, const MixDesignState &state,
                     const MixDesignFigures &figures);
void addWaterCementSection(common::Report &report, const MixDesignFigures &figures);
void addWaterAndCementSection(common::Report &report, const MixDesignState &state,
                              const MixDesignFigures &figures);
void addCementSavingSection(common::Report &report, const MixDesignState &state,
                            const MixDesignFigures &figures);
void addAggregatesSection(common::Report &report, const MixDesignFigures &figures);
void addFinalMixSection(common::Report &report, const MixDesignState &state,
                        const MixDesignFigures &figures);

// The whole report, captioned "Окно №<n>. Расчет БНС.".
common::Report mixDesignReport(const MixDesignState &state, const MixDesignFigures &figures);

} // namespace mixdesign
