#include "app/startup.h"

#include "shell/programpicture.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

bool setUpApplication(QCoreApplication &application)
{
    QCoreApplication::setApplicationName(QStringLiteral("ЛОВИЗ-6.3"));
    QApplication::setWindowIcon(shell::programIcon());
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace app
