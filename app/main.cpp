// 109: a simulator of a route bus's fare display unit.

#include "App.h"
#include "RealServices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    // The menu entry 109.desktop: desktops show its icon for these windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("109"));
    prepareWindowing();
    RealServices real;
    App app(real.services());
    app.startUp();
    return qapp.exec();
}
