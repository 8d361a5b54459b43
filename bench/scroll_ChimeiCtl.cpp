// The processor time a scrolling stop name costs with its window shown:
//   scroll_ChimeiCtl [--seconds 10] [--wait MS, default 0: the whole measure moves] [--speed N]
// Prints user and system time over the scroll and the share of one core.
// Needs a display (run it under xvfb-run); not a Google Benchmark, since
// what it measures is idle time between frames.

#include "ChimeiCtl_E.h"
#include "ProcessTime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

double option(const QStringList &args, const QString &name, double fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toDouble() : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const double seconds = option(args, QStringLiteral("--seconds"), 10);

    ChimeiCtl_E element;
    element.setScrollStartWait(qint32(option(args, QStringLiteral("--wait"), 0)));
    element.setSpeed(qint16(option(args, QStringLiteral("--speed"), ChimeiCtl_E::DefaultSpeed)));
    element.show();
    // Let the window come up and paint before the measure starts.
    QTimer::singleShot(500, &element, [&] {
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        element.SetChimei(QStringLiteral("県立総合運動公園前（北口）→市民病院"));
        QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &element, [&, cpu0, wall] {
            const double cpu = cpuSeconds() - cpu0;
            const double elapsed = double(wall.elapsed()) / 1000;
            std::printf("scroll %.1f s, top %.1f, cpu %.3f s, %.2f %% of one core\n", elapsed,
                        element.stripTop(), cpu, 100 * cpu / elapsed);
            app.quit();
        });
    });
    return app.exec();
}
