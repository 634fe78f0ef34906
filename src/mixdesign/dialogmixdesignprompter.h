#pragma once

#include "mixdesign/core/mixdesignprompter.h"
#include "ui/dialogprompter.h"

#include <functional>
#include <map>

class QWidget;

namespace mixdesign {

// The modal result of a QDialog::exec(); a dialog that ended in any other way than OK counts
// as closed.
ModalResult modalResultOf(int execResult);

// The mix design's prompter in the desktop program: shows the real modal dialogs; messages go
// to the program's general prompter.
class DialogMixDesignPrompter : public MixDesignPrompter
{
public:
    explicit DialogMixDesignPrompter(QWidget *messageParent);

    // How to show one auxiliary dialog modally. Every dialog must have one before a
    // calculation runs; a missing one is a wiring fault, and the dialog counts as closed so
    // the calculation ends without a report.
    void setShower(AuxDialog dialog, std::function<ModalResult()> shower);

    ModalResult show(AuxDialog dialog) override;
    void message(const std::string &text) override { m_general.message(text); }
    std::string askValue(const std::string &prompt) override { return m_general.askValue(prompt); }

private:
    ui::DialogPrompter m_general;
    std::map<AuxDialog, std::function<ModalResult()>> m_showers;
};

} // namespace mixdesign
