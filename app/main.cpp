// 109: a simulator of a route bus's fare display unit.

#include "App.h"
#include "RealServices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    prepareWindowing();
    RealServices real;
    App app(real.services());
    app.startUp();
    return qapp.exec();
}
