#include "register/registerdialogs.h"

namespace journal {

RegisterDialogs::RegisterDialogs(const ui::SubsystemHost &host, DatabaseAddress address)
    : m_parent(host.dialogParent)
    , m_address(std::move(address))
{
}

RegisterDialogs::~RegisterDialogs()
{
    delete m_window;
}

void RegisterDialogs::offerCommands(const ui::SubsystemHost &host)
{
    host.offerWindowCommand(ui::Command::TestRegister, [this] { showWindow(); });
}

void RegisterDialogs::setPeriodHandler(PeriodHandler handler)
{
    m_onPeriod = std::move(handler);
}

void RegisterDialogs::showWindow()
{
    if (!m_window) {
        m_window = new TfmRegister(
            m_address,
            [this](const AnalysedPeriod &period) {
                if (m_onPeriod)
                    m_onPeriod(period);
            },
            m_parent);
    }
    m_window->showRegister();
}

} // namespace journal
