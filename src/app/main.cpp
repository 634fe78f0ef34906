// loviz: the desktop program.

#include "app/program.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication(application);

    app::Program program(QApplication::arguments().mid(1));
    program.show();
    return QApplication::exec();
}
