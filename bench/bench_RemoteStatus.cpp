// A status command answered by the running program through its real local
// socket (target: under 50 ms for 109 --send status).
//   StatusRoundTrip: a client already connected sends "status" and reads the reply.
//   SendStatusCommand: the whole command line, a new 109 --send status process each time.
//   build-bench/bench/bench_RemoteStatus --benchmark_repetitions=20 --benchmark_report_aggregates_only=true
#include "RemoteControl.h"
#include "RunWithWindows.h"
#include "frmOption.h"

#include "Hy3Writer.h"
#include "TestApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A started program with route 12 set, listening where 109 --send looks.
struct Running
{
    TestApp t{QString(), RemoteControl::defaultSocketPath()};

    Running()
    {
        t.app->startUp();
        Hy3Writer w;
        for (int n = 1; n <= 20; ++n)
            w.row({"S" + QByteArray::number(n), qint16(n), {}});
        QFile file(QDir(t.folder.path()).filePath(QStringLiteral("12.hy3")));
        file.open(QIODevice::WriteOnly);
        file.write(w.bytes());
        file.close();
        t.app->options->Text2[0]->setText(t.folder.path());
        t.app->remote()->run(QStringLiteral("route 12 3"));
    }
};

void StatusRoundTrip(benchmark::State &state)
{
    Running running;
    QLocalSocket client;
    client.connectToServer(RemoteControl::defaultSocketPath());
    if (!client.waitForConnected(1000)) {
        state.SkipWithError("no socket");
        return;
    }
    for (auto _ : state) {
        client.write("status\n");
        client.flush();
        while (!client.canReadLine())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        benchmark::DoNotOptimize(client.readLine());
    }
}

void SendStatusCommand(benchmark::State &state)
{
    Running running;
    for (auto _ : state) {
        QProcess send;
        send.start(QStringLiteral(PROGRAM109), {QStringLiteral("--send"), QStringLiteral("status")});
        // The program answers from this thread, so wait by running its events.
        while (send.state() != QProcess::NotRunning)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (send.exitCode() != 0 || !send.readAllStandardOutput().startsWith('{')) {
            state.SkipWithError("109 --send status failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(StatusRoundTrip)->Unit(benchmark::kMicrosecond);
BENCHMARK(SendStatusCommand)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    // A runtime folder of its own, so a 109 the user runs is left alone; 109 --send inherits it.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    return runWithWindows(argc, argv);
}
