// loviz: the desktop program.

#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ЛОВИЗ-6.3"));

    app::Program program;
    program.mainWindow().showMaximized();
    return QApplication::exec();
}
