#pragma once

#include "register/registerwindow.h"
#include "ui/subsystemhost.h"

namespace journal {

// The test-results register's windows: the register window, made at the first "Журнал
// испытаний..." and kept for the whole run. It must be destroyed before the main window, which
// parents it.
class RegisterDialogs
{
public:
    // The register at `address` (the file in the working folder unless told otherwise).
    explicit RegisterDialogs(const ui::SubsystemHost &host,
                             DatabaseAddress address = SqliteFile {defaultRegisterFile});
    ~RegisterDialogs();
    RegisterDialogs(const RegisterDialogs &) = delete;
    RegisterDialogs &operator=(const RegisterDialogs &) = delete;

    // "Журнал испытаний...".
    void offerCommands(const ui::SubsystemHost &host);

    // Where the analysed period the window draws from the register goes.
    void setPeriodHandler(PeriodHandler handler);

    // The window, once the command has made it (else null).
    TfmRegister *window() const { return m_window; }

private:
    void showWindow();

    QWidget *m_parent;
    DatabaseAddress m_address;
    PeriodHandler m_onPeriod;
    TfmRegister *m_window = nullptr;
};

} // namespace journal
