// The processor time a scrolling stop name costs with the whole board filling
// the screen, on the program's real services. Needs a display of the size to
// measure, e.g. 1920 x 1080:
//   xvfb-run -a -s "-screen 0 1920x1080x24" build-bench/bench/scroll_Board [--seconds 10]
// Prints the board's zoom, user and system time over the scroll and the share of one core.

#include "App.h"
#include "ChimeiCtl_E.h"
#include "Form1.h"
#include "ProcessTime.h"
#include "RealServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    const QStringList args = qapp.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--seconds"));
    const double seconds = at >= 0 && at + 1 < args.size() ? args[at + 1].toDouble() : 10;

    prepareWindowing();
    RealServices real;
    App app(real.services());
    app.startUp();
    Form1 &board = *app.form1;
    board.setFullScreenShown(true);
    ChimeiCtl_E &strip = *board.ChimeiCtl;
    strip.setScrollStartWait(0);
    // Let the board come up full screen and paint before the measure starts.
    QTimer::singleShot(1000, &board, [&] {
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        strip.SetChimei(QStringLiteral("県立総合運動公園前（北口）→市民病院"));
        QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &board, [&, cpu0, wall] {
            const double cpu = cpuSeconds() - cpu0;
            const double elapsed = double(wall.elapsed()) / 1000;
            std::printf("board %dx%d at zoom %.3f: scroll %.1f s, cpu %.3f s, %.2f %% of one core\n",
                        board.width(), board.height(), board.zoom(), elapsed, cpu, 100 * cpu / elapsed);
            QCoreApplication::exit(0); // not quit(): that would ask the quit question
        });
    });
    return qapp.exec();
}
