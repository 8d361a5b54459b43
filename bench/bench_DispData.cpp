// One refresh of the board: 24 fares, information digits off, a short stop name;
// then the same with the whole board painted at each zoom, and with only what
// the row changed painted.
//   build-bench/bench/bench_DispData --benchmark_repetitions=20 --benchmark_report_aggregates_only=true
#include "Form1.h"
#include "RunWithWindows.h"
#include "frmCtl.h"
#include "frmOption.h"

#include "Hy3Writer.h"
#include "TestApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// A started program with a route of 20 rows set.
void setRoute(TestApp &t)
{
    t.app->startUp();
    Hy3Writer w;
    for (int n = 1; n <= 20; ++n) {
        Hy3Writer::Row r{"S" + QByteArray::number(n), qint16(n), {}};
        for (int c = 1; c <= 24; ++c)
            r.cols[c] = qint16(100 + 10 * n + c);
        w.row(std::move(r));
    }
    QFile file(QDir(t.folder.path()).filePath(QStringLiteral("12.hy3")));
    file.open(QIODevice::WriteOnly);
    file.write(w.bytes());
    file.close();
    frmCtl &panel = *t.app->panel;
    t.app->options->Text2[0]->setText(t.folder.path());
    panel.Label2[0]->setText(QStringLiteral("12"));
    panel.Label2[2]->setText(QStringLiteral("1"));
    panel.Command1_Click(1);
}

void DispDataOneRow(benchmark::State &state)
{
    TestApp t;
    setRoute(t);
    qint16 row = 1;
    for (auto _ : state) {
        t.app->panel->DispData(row);
        row = row % 19 + 1;
    }
}

// The row put on the board and every pixel of the board painted anew.
void BoardRefreshAtZoom(benchmark::State &state)
{
    TestApp t;
    setRoute(t);
    Form1 &board = *t.app->form1;
    board.setZoomPercent(int(state.range(0)));
    qint16 row = 1;
    for (auto _ : state) {
        t.app->panel->DispData(row);
        board.repaint();
        row = row % 19 + 1;
    }
}

// The row put on the board and what it changed painted, as a step shows it.
void RowShownAtZoom(benchmark::State &state)
{
    TestApp t;
    setRoute(t);
    t.app->form1->setZoomPercent(int(state.range(0)));
    qint16 row = 1;
    for (auto _ : state) {
        t.app->panel->DispData(row);
        QCoreApplication::processEvents();
        row = row % 19 + 1;
    }
}

} // namespace

BENCHMARK(DispDataOneRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BoardRefreshAtZoom)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);
BENCHMARK(RowShownAtZoom)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWithWindows(argc, argv);
}
