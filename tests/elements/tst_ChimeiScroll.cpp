#include "ChimeiScroll.h"

#include <QTest>

namespace {

// A scroll of seven cells (a 224-pixel strip under the 196-pixel window),
// started at 0 and driven by a frame every 16 ms up to each listed
// {time, Speed, strip top} and at it; a late run has only the listed frames.
struct Run
{
    int wait = 1500;
    int wrapWait = 1500; // ScrollStartWait as the wraps read it
    QList<QList<double>> frames = {};
    bool late = false;
    double top = 196;
    int wraps = 0;
    bool moving = true;
};

} // namespace

Q_DECLARE_METATYPE(Run)

// Times are milliseconds of a made-up clock; nothing here waits.
class tst_ChimeiScroll : public QObject
{
    Q_OBJECT

private slots:
    void advance_data()
    {
        QTest::addColumn<Run>("r");
        QTest::newRow("end of the first pause") << Run{.frames = {{1499, 5, 196}}, .moving = false};
        // 3.2 turns a millisecond at 0.025 pixel each: 80 pixels a second.
        QTest::newRow("one second in") << Run{.frames = {{2500, 5, 196}}, .top = 116};
        // 616 pixels, 24640 turns, 7700 ms. A double sum of 0.025 steps lands a hair
        // off -420; in single precision it is -420 and the pass ends on that turn.
        QTest::newRow("a frame before the wrap")
            << Run{.frames = {{9199, 5, 196}}, .top = 196 - 24636 * 0.025};
        QTest::newRow("wrap at top -420") << Run{.frames = {{9200, 5, 196}}, .wraps = 1, .moving = false};
        // A stalled event loop: one frame, three passes of 9200 ms late, catches up
        // through the wraps and pauses it missed.
        QTest::newRow("late") << Run{.frames = {{30100, 5, 196}}, .late = true, .top = 116, .wraps = 3};
        QTest::newRow("the first pass starts where the strip stands, read once")
            << Run{.frames = {{1500, 5, -57.5}, {2500, 5, 0}}, .top = -57.5 - 80};
        // 80 pixels at 5, 16 at 10, then 8 back at -5.
        QTest::newRow("Speed is read each frame, without a range check")
            << Run{.wait = 0, .frames = {{1000, 5, 196}, {1100, 10, 196}, {1200, -5, 196}}, .top = 196 - 88};
        QTest::newRow("Speed 0 runs as 1 on the first pass only")
            << Run{.frames = {{2500, 0, 196}, {3500, 0, 196}}, .late = true, .top = 196 - 16};
        QTest::newRow("the wait is read at the wrap")
            << Run{.wait = 0, .wrapWait = 300, .frames = {{8000, 5, 196}}, .wraps = 1};
        QTest::newRow("a negative pause is none") << Run{.wait = -5, .frames = {{0, 5, 196}}};
        QTest::newRow("a clock that goes back moves nothing")
            << Run{.wait = 0, .frames = {{1000, 5, 196}, {500, 5, 196}}, .top = 116};
    }

    void advance()
    {
        QFETCH(Run, r);
        ChimeiScroll scroll;
        scroll.start(0, r.wait);
        int wraps = 0;
        const auto frame = [&](qint64 t, const QList<double> &f) {
            wraps += scroll.advance(t, int(f[1]), f[2], {196, 224, r.wrapWait}).wraps;
        };
        qint64 t = 0;
        for (const QList<double> &f : r.frames) {
            for (; !r.late && t < qint64(f[0]); t += 16)
                frame(t, f);
            frame(qint64(f[0]), f);
        }
        QCOMPARE(wraps, r.wraps);
        QCOMPARE(scroll.phase(), r.moving ? ChimeiScroll::Phase::Moving : ChimeiScroll::Phase::Waiting);
        // Before the first pass the strip stands where the element put it.
        QCOMPARE(scroll.hasBegun(), r.moving || r.wraps > 0);
        if (scroll.hasBegun())
            QVERIFY2(qAbs(scroll.position() - r.top) < 1e-6,
                     qPrintable(QString::number(scroll.position(), 'f', 9)));
    }
};

QTEST_GUILESS_MAIN(tst_ChimeiScroll)
#include "tst_ChimeiScroll.moc"
