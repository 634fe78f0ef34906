#pragma once

#include "mixdesign/core/forms.h"
#include "mixdesign/dialogmixdesignprompter.h"
#include "ui/subsystemhost.h"

namespace mixdesign {

class TF_W;
class TVubor_Econ;
class Teconomy;
class TfmBNS;
class TfmOptions;
class TfmTVO;

// The mix design's dialogs, created once at start-up in the program's order, with the state
// they share for the whole run. Its prompter shows the auxiliary dialogs to the calculation;
// its reports go where the host says. It must be destroyed before the main window, which
// parents the dialogs.
class MixDesignDialogs
{
public:
    explicit MixDesignDialogs(const ui::SubsystemHost &host);
    ~MixDesignDialogs();
    MixDesignDialogs(const MixDesignDialogs &) = delete;
    MixDesignDialogs &operator=(const MixDesignDialogs &) = delete;

    MixDesignState &state() { return m_state; }

    // "Новый БНС..." and "Опции для расчета...".
    void offerCommands(const ui::SubsystemHost &host);
    void showInputDialog();
    void showOptionsDialog();

private:
    void connectPrompter();

    MixDesignState m_state;
    DialogMixDesignPrompter m_prompter;
    TfmOptions *m_options;
    TfmBNS *m_input;
    TF_W *m_frostWater;
    Teconomy *m_economy;
    TVubor_Econ *m_measure;
    TfmTVO *m_steamCuring;
};

} // namespace mixdesign
