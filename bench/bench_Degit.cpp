// Redrawing fare cells: one M_DegitEm (record, font, play) and a board of 24.

#include "Dialogs.h"
#include "M_DegitEm.h"
#include "RunWithWindows.h"

#include <QApplication>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

class NoDialogs : public Dialogs
{
public:
    Answer MsgBox(QWidget *, const QString &, Buttons, Icon, const QString &) override { return AnsweredOk; }
    qint32 Call_dlg100(QWidget *, qint16, qint16 &, qint16 &, qint16 &) override { return 0; }
    void Call_dlg110(QWidget *, qint16, const QString &) override { }
    qint32 Call_dlg111(QWidget *, DateRecord &) override { return 0; }
    QString Kr3FileDlg(QWidget *, qint32, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString Kr3FolderDlg(QWidget *, const QString &) override { return QString(); }
    qint32 Kr3ChooseColor(QWidget *, qint32 &, CustomColors &) override { return 0; }
};

NoDialogs dialogs;

// A fare cell on the board: 780 x 300 twips.
constexpr QSize CellSize(52, 20);

} // namespace

static void DegitEmRedraw(benchmark::State &state)
{
    M_DegitEm cell(dialogs);
    cell.resize(CellSize);
    int fare = 150;
    for (auto _ : state) {
        cell.setValue(fare);
        fare = fare == 990 ? 150 : fare + 10;
    }
}
BENCHMARK(DegitEmRedraw)->Unit(benchmark::kMicrosecond);

static void BoardOf24(benchmark::State &state)
{
    QWidget board;
    std::vector<M_DegitEm *> cells;
    for (int i = 0; i < 24; ++i) {
        auto *cell = new M_DegitEm(dialogs, &board);
        cell->resize(CellSize);
        cells.push_back(cell);
    }
    int step = 0;
    for (auto _ : state) {
        for (int i = 0; i < 24; ++i)
            cells[i]->setValue(150 + 10 * ((i + step) % 60));
        ++step;
    }
}
BENCHMARK(BoardOf24)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWithWindows(argc, argv);
}
