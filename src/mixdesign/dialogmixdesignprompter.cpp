#include "mixdesign/dialogmixdesignprompter.h"

#include "ui/modaldialog.h"

namespace mixdesign {

ModalResult modalResultOf(int execResult)
{
    return execResult == ui::ModalDialog::Ok ? ModalResult::Ok : ModalResult::Close;
}

DialogMixDesignPrompter::DialogMixDesignPrompter(QWidget *messageParent)
    : m_general(messageParent)
{
}

void DialogMixDesignPrompter::setShower(AuxDialog dialog, std::function<ModalResult()> shower)
{
    m_showers[dialog] = std::move(shower);
}

ModalResult DialogMixDesignPrompter::show(AuxDialog dialog)
{
    const auto it = m_showers.find(dialog);
    Q_ASSERT_X(it != m_showers.end(), "DialogMixDesignPrompter::show", "no shower for the dialog");
    if (it == m_showers.end())
        return ModalResult::Close;
    return it->second();
}

} // namespace mixdesign
