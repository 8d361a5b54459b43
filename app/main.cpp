// 109: a simulator of a route bus's fare display unit.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget board;
    board.setWindowTitle(QStringLiteral("109"));
    board.resize(537, 263);
    board.show();
    return app.exec();
}
