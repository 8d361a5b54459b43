// 109: a simulator of a route bus's fare display unit.

#include "Fonts.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    // A missing face is drawn in a fallback one; say so, but run on.
    for (const QString &missing : unresolvedFonts())
        qWarning("109: typeface not installed: %s", qPrintable(missing));
    QWidget board;
    board.setWindowTitle(QStringLiteral("109"));
    board.resize(537, 263);
    board.show();
    return app.exec();
}
