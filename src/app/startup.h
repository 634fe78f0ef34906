#pragma once

class QCoreApplication;

namespace app {

// The application-wide settings made before any window exists: the title "ЛОВИЗ-6.3", the
// program's icon, and Qt's own Russian translation for the standard dialogs and buttons.
// Returns false when that translation could not be loaded (the dialogs then stay English).
bool setUpApplication(QCoreApplication &application);

} // namespace app
