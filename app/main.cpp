// 109: a simulator of a route bus's fare display unit.

#include "App.h"
#include "RealServices.h"
#include "RemoteControl.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // 109 --send COMMAND...: a message to the running 109, no windows of its own.
    if (argc >= 2 && qstrcmp(argv[1], "--send") == 0) {
        QCoreApplication core(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return sendToRunning(RemoteControl::defaultSocketPath(), core.arguments().mid(2), out, err);
    }
    QApplication qapp(argc, argv);
    // The menu entry 109.desktop: desktops show its icon for these windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("109"));
    prepareWindowing();
    RealServices real;
    App app(real.services());
    app.startUp();
    return qapp.exec();
}
