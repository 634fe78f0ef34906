#pragma once

#include "mixdesign/core/forms.h"

#include <string>

namespace mixdesign {

// The auxiliary dialogs a mix design calculation may show.
enum class AuxDialog {
    FrostPage,      // TF_W with its frost page, the waterproofness tab hidden
    WaterproofPage, // TF_W with its waterproofness page, the frost tab hidden
    SteamCuring,    // TfmTVO
    Economy,        // Teconomy
    Measure,        // TVubor_Econ on the page set in MeasureForm::page
};

// How a calculation asks the user. The desktop program shows the real modal dialog, whose OK
// runs the same core handler; the command line presses OK at once; tests script the answers.
class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual ModalResult show(AuxDialog dialog) = 0;
    virtual void message(const std::string &text) = 0;
};

} // namespace mixdesign
