#pragma once

#include "mixdesign/core/forms.h"
#include "mixdesign/dialogprompter.h"

class QWidget;

namespace shell {
class ReportWindows;
}

namespace mixdesign {

class TfmBNS;

// The mix design's dialogs, created once at start-up in the program's order, with the state
// they share for the whole run. It must be destroyed before the main window, which parents
// the dialogs.
class MixDesignDialogs
{
public:
    MixDesignDialogs(shell::ReportWindows &reports, QWidget *mainWindow);
    ~MixDesignDialogs();
    MixDesignDialogs(const MixDesignDialogs &) = delete;
    MixDesignDialogs &operator=(const MixDesignDialogs &) = delete;

    MixDesignState &state() { return m_state; }
    TfmBNS *inputDialog() const { return m_input; }

    // The commands of the main window.
    void showInputDialog();

private:
    MixDesignState m_state;
    DialogPrompter m_prompter;
    TfmBNS *m_input;
};

} // namespace mixdesign
