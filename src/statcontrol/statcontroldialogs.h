#pragma once

#include "statcontrol/core/analysedperiod.h"
#include "statcontrol/core/controlchart.h"
#include "ui/subsystemhost.h"

namespace statcontrol {

class TfmPeriod_Analiz1;
class TfmPeriod_analiz2;
class TfmPeriod_Control1;
class TfmPeriod_Control2;
class TfmPeriod_Control3;

// The statistical strength control's dialogs, created once at start-up, with the texts they
// keep for the whole run. It must be destroyed before the main window, which parents them.
class StatControlDialogs
{
public:
    explicit StatControlDialogs(const ui::SubsystemHost &host);
    ~StatControlDialogs();
    StatControlDialogs(const StatControlDialogs &) = delete;
    StatControlDialogs &operator=(const StatControlDialogs &) = delete;

    // "Анализируемый период..." and "Контролируемый период...".
    void offerCommands(const ui::SubsystemHost &host);

    // "Анализируемый период..." with its dialogs filled beforehand: the scheme choice and the
    // samples of the chosen scheme's batch data dialog become the texts those dialogs keep, and
    // the scheme dialog opens as the command opens it. The user sees the values and presses OK.
    void showAnalysedPeriod(const SchemeForm &choice, const BatchForm &batches);

private:
    SchemeForm m_scheme;
    BatchForm m_fiveBySix {fiveBySix};
    BatchForm m_tenByThree {tenByThree};
    TfmPeriod_analiz2 *m_fiveBySixDialog;
    TfmPeriod_analiz2 *m_tenByThreeDialog;
    TfmPeriod_Analiz1 *m_schemeDialog;
    ControlForm m_control;
    TfmPeriod_Control3 *m_batchPrompt;
    TfmPeriod_Control2 *m_chartWindow;
    TfmPeriod_Control1 *m_controlDialog;
};

} // namespace statcontrol
