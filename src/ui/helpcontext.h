#pragma once

namespace ui {

// The help context numbers of the program's windows: F1 in a dialog opens the help page of its
// number; the contents page answers 0 and any number without a page of its own.
enum class HelpContext {
    Contents = 0,
    MainWindow = 1,
    MixDesignOptions = 21,
    MixDesign = 22,
    CorrectionByStrength = 31,
    CorrectionByAggregates = 32,
    AnalysedPeriod = 41,
    ControlledPeriod = 42,
};

} // namespace ui
