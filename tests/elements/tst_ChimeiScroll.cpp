#include "ChimeiScroll.h"

#include <QTest>

// Times are milliseconds of a made-up clock; nothing here waits.
class tst_ChimeiScroll : public QObject
{
    Q_OBJECT

    // Seven cells in the designed window.
    static constexpr ChimeiScroll::Geometry Seven{196, 224, 1500};

private slots:
    void pausesThenTravelsToTheWrap_data()
    {
        QTest::addColumn<qint64>("at");
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("wraps");
        QTest::addColumn<int>("phase");
        const int waiting = int(ChimeiScroll::Phase::Waiting), moving = int(ChimeiScroll::Phase::Moving);
        QTest::newRow("start") << qint64(0) << 196.0 << 0 << waiting;
        QTest::newRow("end of the first pause") << qint64(1499) << 196.0 << 0 << waiting;
        QTest::newRow("first pass begins") << qint64(1500) << 196.0 << 0 << moving;
        // 3.2 turns a millisecond at 0.025 pixel each: 80 pixels a second.
        QTest::newRow("one second in") << qint64(2500) << 196.0 - 80 << 0 << moving;
        // 616 pixels, 24640 turns, 7700 ms.
        QTest::newRow("a frame before the wrap")
            << qint64(1500 + 7699) << 196.0 - 24636 * 0.025 << 0 << moving;
        QTest::newRow("wrap at top -420") << qint64(1500 + 7700) << 196.0 << 1 << waiting;
        QTest::newRow("pause after the wrap") << qint64(1500 + 7700 + 1499) << 196.0 << 1 << waiting;
        QTest::newRow("second pass") << qint64(1500 + 7700 + 2500) << 196.0 - 80 << 1 << moving;
        QTest::newRow("second wrap") << qint64(2 * (1500 + 7700)) << 196.0 << 2 << waiting;
    }

    void pausesThenTravelsToTheWrap()
    {
        QFETCH(qint64, at);
        QFETCH(double, top);
        QFETCH(int, wraps);
        QFETCH(int, phase);
        ChimeiScroll scroll;
        scroll.start(0, 1500);
        int seen = 0;
        // Frame by frame, as the element's timer drives it.
        for (qint64 t = 0; t < at; t += 16)
            seen += scroll.advance(t, 5, 196, Seven).wraps;
        seen += scroll.advance(at, 5, 196, Seven).wraps;
        QCOMPARE(seen, wraps);
        QCOMPARE(int(scroll.phase()), phase);
        // Before the first pass the strip stands where the element put it.
        QCOMPARE(scroll.hasBegun(), at >= 1500);
        if (scroll.hasBegun())
            QVERIFY2(qAbs(scroll.position() - top) < 1e-6,
                     qPrintable(QString::number(scroll.position(), 'f', 9)));
    }

    // The last turn of a pass: a double sum of 0.025 steps lands a hair off
    // -420; in single precision it is -420 and the pass ends on that turn.
    void wrapsOnTheTurnThatReachesIt()
    {
        double p = 196;
        for (int i = 0; i < 24639; ++i)
            p -= 5 / 200.0;
        QVERIFY(!ChimeiScroll::hasPassed(p, 224, 196));
        p -= 5 / 200.0;
        QVERIFY(ChimeiScroll::hasPassed(p, 224, 196));

        ChimeiScroll scroll;
        scroll.start(0, 0);
        scroll.advance(0, 5, 196, Seven);
        const ChimeiScroll::Outcome out = scroll.advance(7700, 5, 196, Seven);
        QCOMPARE(out.turns, qint64(24640));
        QCOMPARE(out.wraps, 1);
    }

    void firstPassStartsWhereTheStripStands()
    {
        ChimeiScroll scroll;
        scroll.start(0, 1500);
        QVERIFY(!scroll.hasBegun());
        scroll.advance(1500, 5, -57.5, Seven);
        QVERIFY(scroll.hasBegun());
        QCOMPARE(scroll.position(), -57.5);
        scroll.advance(2500, 5, 0, Seven); // the top passed later is not read again
        QCOMPARE(scroll.position(), -57.5 - 80);
    }

    void speedIsReadEachFrame()
    {
        ChimeiScroll scroll;
        scroll.start(0, 0);
        scroll.advance(1000, 5, 196, Seven);
        QCOMPARE(scroll.position(), 196.0 - 80);
        scroll.advance(1100, 10, 196, Seven); // 320 turns at 0.05
        QCOMPARE(scroll.position(), 196.0 - 80 - 16);
        scroll.advance(1200, -5, 196, Seven); // no range check: it goes back down
        QCOMPARE(scroll.position(), 196.0 - 80 - 16 + 8);
    }

    void speedZeroBecomesOneOnTheFirstPassOnly()
    {
        ChimeiScroll scroll;
        scroll.start(0, 100);
        QVERIFY(!scroll.advance(50, 0, 196, Seven).speedRaised);
        const ChimeiScroll::Outcome out = scroll.advance(1100, 0, 196, Seven);
        QVERIFY(out.speedRaised);
        QCOMPARE(scroll.position(), 196.0 - 3200 / 200.0);
        // Speed 0 set later stands the strip still.
        QVERIFY(!scroll.advance(2100, 0, 196, Seven).speedRaised);
        QCOMPARE(scroll.position(), 196.0 - 3200 / 200.0);
    }

    void waitIsReadAtEachWrap()
    {
        ChimeiScroll scroll;
        scroll.start(0, 0);
        ChimeiScroll::Geometry g = Seven;
        g.ScrollStartWait = 300;
        QCOMPARE(scroll.advance(7700, 5, 196, g).wraps, 1);
        QCOMPARE(scroll.waitLeft(7700), qint64(300));
        scroll.advance(7999, 5, 196, g);
        QCOMPARE(scroll.phase(), ChimeiScroll::Phase::Waiting);
        scroll.advance(8000, 5, 196, g);
        QCOMPARE(scroll.phase(), ChimeiScroll::Phase::Moving);
    }

    // A late frame (a stalled event loop) only moves the strip further, through
    // the wraps and pauses it missed.
    void aLateFrameCatchesUp()
    {
        ChimeiScroll scroll;
        scroll.start(0, 1500);
        const ChimeiScroll::Outcome out = scroll.advance(3 * 9200 + 1500 + 1000, 5, 196, Seven);
        QCOMPARE(out.wraps, 3);
        QCOMPARE(scroll.position(), 196.0 - 80);
    }

    void oddInputs()
    {
        ChimeiScroll scroll;
        scroll.start(1000, -5); // a negative pause is none
        scroll.advance(1000, 5, 196, Seven);
        QCOMPARE(scroll.phase(), ChimeiScroll::Phase::Moving);
        scroll.advance(500, 5, 196, Seven); // a clock that goes back moves nothing
        QCOMPARE(scroll.position(), 196.0);
        scroll.stop();
        QVERIFY(!scroll.isRunning());
        QCOMPARE(scroll.advance(99999, 5, 196, Seven).turns, qint64(0));
    }
};

QTEST_GUILESS_MAIN(tst_ChimeiScroll)
#include "tst_ChimeiScroll.moc"
