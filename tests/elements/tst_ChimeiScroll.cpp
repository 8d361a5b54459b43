#include "ChimeiScroll.h"

#include <QTest>

namespace {

// A frame every 16 ms of a made-up clock up to each listed {time, Speed, strip top} and at
// it (a late run has only the listed frames) drives a scroll of seven cells, a 224-pixel strip
// under the 196-pixel window, started at 0 with a pause of 1500 ms and 300 ms after each wrap.
struct Run
{
    QList<QList<double>> frames;
    double top;
    int wraps = 0;
    bool late = false;
};

} // namespace

Q_DECLARE_METATYPE(Run)

class tst_ChimeiScroll : public QObject
{
    Q_OBJECT

private slots:
    void advance_data()
    {
        QTest::addColumn<Run>("r");
        // 80 pixels a second at 5: 616 pixels take 24640 turns. A double sum of 0.025 steps lands
        // a hair off -420; in single precision it is -420 and the pass ends on that turn.
        QTest::newRow("a frame before the wrap") << Run{{{9199, 5, 196}}, 196 - 24636 * 0.025};
        QTest::newRow("wrap at -420, then the pause read at the wrap") << Run{{{9500, 5, 196}}, 196, 1};
        QTest::newRow("late, 4.6 s into the fourth pass") << Run{{{30100, 5, 196}}, 196 - 368, 3, true};
        QTest::newRow("Speed read each frame, any value")
            << Run{{{2500, 5, 196}, {2600, 10, 196}, {2700, -5, 196}}, 196 - 80 - 16 + 8};
    }

    void advance()
    {
        QFETCH(Run, r);
        ChimeiScroll scroll;
        scroll.start(0, 1500);
        const ChimeiScroll::Geometry geometry{196, 224, 300};
        int wraps = 0;
        qint64 t = 0;
        for (const QList<double> &f : r.frames) {
            for (; !r.late && t < qint64(f[0]); t += 16)
                wraps += scroll.advance(t, int(f[1]), f[2], geometry).wraps;
            wraps += scroll.advance(qint64(f[0]), int(f[1]), f[2], geometry).wraps;
        }
        QCOMPARE(wraps, r.wraps);
        QVERIFY(scroll.phase() == ChimeiScroll::Phase::Moving && scroll.hasBegun());
        QVERIFY2(qAbs(scroll.position() - r.top) < 1e-6,
                 qPrintable(QString::number(scroll.position(), 'f', 9)));
    }
};

QTEST_GUILESS_MAIN(tst_ChimeiScroll)
#include "tst_ChimeiScroll.moc"
