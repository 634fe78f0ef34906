#pragma once

#include "correction/core/forms.h"
#include "ui/subsystemhost.h"

namespace correction {

class Tcorrection;

// The mix correction's dialog, created once at start-up, with the texts it keeps for the whole
// run. It must be destroyed before the main window, which parents the dialog.
class CorrectionDialogs
{
public:
    explicit CorrectionDialogs(const ui::SubsystemHost &host);
    ~CorrectionDialogs();
    CorrectionDialogs(const CorrectionDialogs &) = delete;
    CorrectionDialogs &operator=(const CorrectionDialogs &) = delete;

    // "по Ц/В и прочности бетона..." opens the first page, "по гранулометрии и влажности
    // заполнителей..." the second, whichever the dialog was last closed on.
    void offerCommands(const ui::SubsystemHost &host);
    void show(CorrectionPage page);

private:
    CorrectionForm m_form;
    Tcorrection *m_dialog;
};

} // namespace correction
