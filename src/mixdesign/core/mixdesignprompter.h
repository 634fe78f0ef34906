#pragma once

#include "common/prompter.h"
#include "mixdesign/core/forms.h"

namespace mixdesign {

// The auxiliary dialogs a mix design calculation may show.
enum class AuxDialog {
    FrostPage,      // TF_W with its frost page, the waterproofness tab hidden
    WaterproofPage, // TF_W with its waterproofness page, the frost tab hidden
    SteamCuring,    // TfmTVO
    Economy,        // Teconomy
    Measure,        // TVubor_Econ on the page set in MeasureForm::page
};

// How the mix design calculation asks the user: besides messages, it shows its auxiliary
// dialogs. The desktop program shows the real modal dialog, whose OK runs the same core
// handler; the command line presses OK at once; tests script the answers.
class MixDesignPrompter : public common::Prompter
{
public:
    virtual ModalResult show(AuxDialog dialog) = 0;
};

} // namespace mixdesign
