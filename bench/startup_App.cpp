// Start-up of the whole program with its real services, and its memory once a
// route is set. Needs a display and the sample route in the working folder:
//   cd build-bench/sampledata && xvfb-run -a ../bench/startup_App
// Prints the time from the process's start (and from main) until both windows
// are on the screen, then the resident memory after route 12, section 1 is
// keyed in and its lamp test is over. Not a Google Benchmark: a process starts
// once; scripts/bench.sh runs it several times.

#include "App.h"
#include "Form1.h"
#include "RealServices.h"
#include "frmCtl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Seconds since the process was started by the system, from /proc.
double processAge()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    // Field 22, counted after the name in parentheses, which may hold spaces.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double started = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    return uptime.readAll().split(' ').value(0).toDouble() - started;
}

long statusKiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool shown(const QWidget &window)
{
    return window.windowHandle() && window.windowHandle()->isExposed();
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    const double ageAtMain = processAge();

    QApplication qapp(argc, argv);
    prepareWindowing();
    RealServices real;
    App app(real.services());
    app.startUp();
    while (!shown(*app.form1) || !shown(*app.panel))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double startUpMs = double(sinceMain.nsecsElapsed()) / 1e6;
    std::printf("start-up to both windows shown: %.0f ms from main, %.0f ms from the process's start "
                "(/proc, 10 ms steps)\n",
                startUpMs, startUpMs + ageAtMain * 1000);

    // 系統 1 2 区間 1 リセット: the lamp test waits its 3 s in an event loop.
    frmCtl &panel = *app.panel;
    for (int key : {10, 1, 2, 11, 1})
        panel.CommandButton1[key]->click();
    panel.Command1[1]->click();
    std::printf("resident memory with route 12 set: %.1f MB (peak %.1f MB)\n", statusKiB("VmRSS:") / 1024.0,
                statusKiB("VmHWM:") / 1024.0);
    return 0;
}
