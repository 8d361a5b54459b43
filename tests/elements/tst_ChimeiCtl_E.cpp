#include "ChimeiCtl_E.h"

#include "DotGlyph.h"
#include "ElapsedClock.h"
#include "PropertyBag.h"

#include <QFrame>
#include <QSignalSpy>
#include <QTest>

namespace {

using Pattern = QList<QString>; // 16 rows of '#' (dot) and '.'

// The 16 x 16 dots of the cell whose top-left corner is (x, y) on the strip.
Pattern dotsAt(const QImage &strip, int x, int y, QRgb lit)
{
    Pattern rows;
    for (int gy = 0; gy < 16; ++gy) {
        QString row;
        for (int gx = 0; gx < 16; ++gx) {
            const QPoint p(x + 2 * gx, y + 2 * gy);
            row += strip.valid(p) && strip.pixel(p) == lit ? u'#' : u'.';
        }
        rows << row;
    }
    return rows;
}

Pattern rendered(const QString &text, DotGlyph::Face face, bool bold = false, int dx = 0, int dy = 0)
{
    QImage cell(16, 16, QImage::Format_RGB32);
    DotGlyph::render(cell, text, face, bold, dx, dy);
    Pattern rows;
    for (int y = 0; y < 16; ++y) {
        QString row;
        for (int x = 0; x < 16; ++x)
            row += (cell.pixel(x, y) & 0xFFFFFF) == 0 ? u'#' : u'.';
        rows << row;
    }
    return rows;
}

Pattern transposed(const Pattern &p)
{
    Pattern t(16, QString(16, u'.'));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            t[x][y] = p[y][x];
    }
    return t;
}

int count(const Pattern &p)
{
    int n = 0;
    for (const QString &row : p)
        n += row.count(u'#');
    return n;
}

// Columns holding at least `least` dots.
int longColumns(const Pattern &p, int least)
{
    int columns = 0;
    for (int x = 0; x < 16; ++x) {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            n += p[y][x] == u'#';
        columns += n >= least;
    }
    return columns;
}

int widestRow(const Pattern &p)
{
    int widest = 0;
    for (const QString &row : p)
        widest = qMax(widest, int(row.count(u'#')));
    return widest;
}

// The rows of the strip that hold a lit pixel.
QList<int> litRows(const QImage &strip, QRgb lit)
{
    QList<int> rows;
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            if (strip.pixel(x, y) == lit) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

constexpr QRgb Amber = 0xFFFFBE00; // 0x00BEFF as 0x00BBGGRR

} // namespace

class tst_ChimeiCtl_E : public QObject
{
    Q_OBJECT

    // The cell of a one-character name, centred at 80.
    Pattern single(ChimeiCtl_E &e, const QString &text)
    {
        e.SetChimei(text);
        return dotsAt(e.stripImage(), 2, 80, Amber);
    }

    // A value other than the default for each of the eight stored properties.
    static void setEveryProperty(ChimeiCtl_E &e)
    {
        e.setBackColor(0x102030);
        e.setForeColor(0x00FF00);
        e.setSpeed(12);
        e.setScrollStartWait(800);
        e.setMode(2);
        e.setAppearance(0);
        e.setFontMode(4);
        e.setFontBold(true);
    }

    // Runs the element's frames for ms milliseconds of the fake clock.
    void run(ChimeiCtl_E &e, FakeElapsedClock &clock, qint64 ms)
    {
        for (qint64 t = 0; t < ms; t += ChimeiCtl_E::FrameMs) {
            clock.advanceMs(qMin<qint64>(ChimeiCtl_E::FrameMs, ms - t));
            e.advanceScroll();
        }
    }

private slots:
    void defaults()
    {
        ChimeiCtl_E e;
        QCOMPARE(e.BackColor(), 0x808080);
        QCOMPARE(e.ForeColor(), 0x00BEFF);
        QCOMPARE(e.Speed(), qint16(5));
        QCOMPARE(e.ScrollStartWait(), 1500);
        QCOMPARE(e.Mode(), qint16(0));
        QCOMPARE(e.Appearance(), qint16(1));
        QCOMPARE(e.FontMode(), qint16(0));
        QCOMPARE(e.FontBold(), false);
        QCOMPARE(e.Picture2->size(), QSize(37, 196));
        QCOMPARE(e.Picture1->geometry(), QRect(-1, 0, 37, 192));
        QCOMPARE(e.stripImage().pixel(10, 10), qRgb(128, 128, 128));
        QCOMPARE(e.Picture3.size(), QSize(16, 16));
    }

    void layoutOnTheStrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<int>("height");
        QTest::newRow("one kanji centred") << QStringLiteral("駅") << 0 << QList<int>{80} << 192;
        QTest::newRow("two") << QStringLiteral("北部") << 0 << QList<int>{32, 128} << 192;
        QTest::newRow("two, Mode 2") << QStringLiteral("北部") << 2 << QList<int>{48, 112} << 192;
        QTest::newRow("three") << QStringLiteral("市役所") << 0 << QList<int>{16, 80, 144} << 192;
        QTest::newRow("four") << QStringLiteral("北部車庫") << 0 << QList<int>{8, 56, 104, 152} << 192;
        QTest::newRow("five") << QStringLiteral("県立病院前") << 0 << QList<int>{4, 42, 80, 118, 156} << 192;
        QTest::newRow("six") << QStringLiteral("県立総合公園") << 0 << QList<int>{0, 32, 64, 96, 128, 160}
                             << 192;
        QTest::newRow("one letter: B = 1, n = 0") << QStringLiteral("B") << 0 << QList<int>{0} << 192;
    }

    // Each character stands at its cell top, exactly as the glyph renders, and nothing else is lit.
    void layoutOnTheStrip()
    {
        QFETCH(QString, text);
        QFETCH(int, mode);
        QFETCH(QList<int>, tops);
        QFETCH(int, height);
        ChimeiCtl_E e;
        e.setMode(qint16(mode));
        e.SetChimei(text);
        QCOMPARE(e.stripImage().height(), height);
        QCOMPARE(e.stripTop(), 0.0);
        QVERIFY(!e.isScrolling());
        int dots = 0;
        for (int i = 0; i < tops.size(); ++i) {
            const Pattern cell = dotsAt(e.stripImage(), 2, tops[i], Amber);
            QCOMPARE(cell, rendered(text.mid(i, 1), DotGlyph::Face::Gothic));
            dots += count(cell);
        }
        int lit = 0;
        for (int y = 0; y < e.stripImage().height(); ++y)
            for (int x = 0; x < e.stripImage().width(); ++x)
                lit += e.stripImage().pixel(x, y) == Amber;
        QCOMPARE(lit, dots);
    }

    void twoLettersShareOneCell()
    {
        ChimeiCtl_E e;
        e.SetChimei(QStringLiteral("JR"));
        QCOMPARE(dotsAt(e.stripImage(), 2, 80, Amber),
                 rendered(QStringLiteral("JR"), DotGlyph::Face::Gothic));
    }

    // "ABC県": 41 42 43 8C A7 gives cells "AB", "C " and " " at 32, 128 and
    // 224, the last beyond the strip.
    void oddLettersSplitAFullWidthOne()
    {
        ChimeiCtl_E e;
        e.SetChimei(QStringLiteral("ABC県"));
        QCOMPARE(dotsAt(e.stripImage(), 2, 32, Amber),
                 rendered(QStringLiteral("AB"), DotGlyph::Face::Gothic));
        QCOMPARE(dotsAt(e.stripImage(), 2, 128, Amber),
                 rendered(QStringLiteral("C"), DotGlyph::Face::Gothic));
        QCOMPARE(litRows(e.stripImage(), Amber).last() < 160, true);
        QVERIFY(!e.isScrolling());
    }

    void longSoundMarkIsAVerticalStroke()
    {
        ChimeiCtl_E e;
        const Pattern p = single(e, QStringLiteral("ー"));
        QCOMPARE(p, rendered(QStringLiteral("丨"), DotGlyph::Face::Gothic));
        QCOMPARE(longColumns(p, 12), 1);
        QVERIFY(widestRow(p) <= 2);

        QString cell = QStringLiteral("ー");
        e.DrawDot16(2, 0, cell);
        QCOMPARE(cell, QStringLiteral("丨")); // the caller sees the substitute
    }

    void fullStopSitsTenDotsRightAndUp()
    {
        ChimeiCtl_E e;
        const Pattern plain = rendered(QStringLiteral("。"), DotGlyph::Face::Gothic);
        const Pattern drawn = single(e, QStringLiteral("。"));
        Pattern shifted(16, QString(16, u'.'));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (plain[y][x] == u'#' && x + 10 < 16 && y - 10 >= 0)
                    shifted[y - 10][x + 10] = u'#';
            }
        }
        QVERIFY(count(shifted) > 4);
        QCOMPARE(drawn, shifted);
    }

    void arrowLaidOnItsSidePointsDown()
    {
        ChimeiCtl_E e;
        const Pattern p = single(e, QStringLiteral("→"));
        QCOMPARE(p, transposed(rendered(QStringLiteral("→"), DotGlyph::Face::Gothic)));
        QCOMPARE(longColumns(p, 12), 1); // the shaft runs down
        int widest = 0, at = 0;
        for (int y = 0; y < 16; ++y) {
            if (p[y].count(u'#') > widest) {
                widest = int(p[y].count(u'#'));
                at = y;
            }
        }
        QVERIFY2(widest >= 3 && at >= 8, "the head is at the bottom");
    }

    void equalsBecomesTwoVerticalStrokes()
    {
        ChimeiCtl_E e;
        const Pattern p = single(e, QStringLiteral("＝"));
        QCOMPARE(longColumns(p, 10), 2);
        QVERIFY(widestRow(p) <= 2);
    }

    void fontModeChoosesTheFace_data()
    {
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("mincho");
        QTest::newRow("0 kana") << 0 << QStringLiteral("あ") << false;
        QTest::newRow("1 kanji") << 1 << QStringLiteral("国") << true;
        QTest::newRow("2 kana in mincho") << 2 << QStringLiteral("あ") << true;
        QTest::newRow("2 kanji in gothic") << 2 << QStringLiteral("国") << false;
        QTest::newRow("3 kana in gothic") << 3 << QStringLiteral("あ") << false;
        QTest::newRow("3 kanji in mincho") << 3 << QStringLiteral("国") << true;
        QTest::newRow("4 full-width letter in gothic") << 4 << QStringLiteral("Ａ") << false;
        QTest::newRow("4 kanji in mincho") << 4 << QStringLiteral("国") << true;
        QTest::newRow("7 as 0, kana") << 7 << QStringLiteral("あ") << false;
        QTest::newRow("7 as 0, kanji") << 7 << QStringLiteral("国") << false;
    }

    void fontModeChoosesTheFace()
    {
        QFETCH(int, fontMode);
        QFETCH(QString, text);
        QFETCH(bool, mincho);
        const Pattern gothic = rendered(text, DotGlyph::Face::Gothic);
        const Pattern minchoDots = rendered(text, DotGlyph::Face::Mincho);
        QVERIFY(gothic != minchoDots);
        ChimeiCtl_E e;
        e.setFontMode(qint16(fontMode));
        QCOMPARE(single(e, text), mincho ? minchoDots : gothic);
    }

    void fontModeSevenDrawsAsZero()
    {
        ChimeiCtl_E zero, seven;
        seven.setFontMode(7);
        for (const QString &text : QStringList{"山", "申", "あ", "ー", "AB"})
            QCOMPARE(single(seven, text), single(zero, text));
    }

    void boldThickensStrokes()
    {
        ChimeiCtl_E e;
        const int normal = count(single(e, QStringLiteral("国")));
        e.setFontBold(true);
        const Pattern bold = single(e, QStringLiteral("国"));
        QCOMPARE(bold, rendered(QStringLiteral("国"), DotGlyph::Face::Gothic, true));
        QVERIFY2(count(bold) > normal + 10, qPrintable(QStringLiteral("%1 %2").arg(count(bold)).arg(normal)));
    }

    void foreColorLightsTheDots()
    {
        ChimeiCtl_E e;
        e.setForeColor(0x0000FF); // red
        e.SetChimei(QStringLiteral("国"));
        QVERIFY(count(dotsAt(e.stripImage(), 2, 80, qRgb(255, 0, 0))) > 20);
        e.setBackColor(0x000000);
        QCOMPARE(litRows(e.stripImage(), qRgb(255, 0, 0)), QList<int>()); // cleared with the colour
        QCOMPARE(e.stripImage().pixel(3, 3), qRgb(0, 0, 0));
    }

    void emptyNameClearsTheStrip()
    {
        ChimeiCtl_E e;
        e.SetChimei(QStringLiteral("北部車庫"));
        QVERIFY(!litRows(e.stripImage(), Amber).isEmpty());
        e.SetChimei(QString());
        QVERIFY(litRows(e.stripImage(), Amber).isEmpty());
        QCOMPARE(e.stripTop(), 0.0);
    }

    void sevenCellsTravelTo420ThenPause()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.SetChimei(QStringLiteral("県立総合運動公"));
        QCOMPARE(e.stripImage().height(), 224);
        QCOMPARE(e.Picture1->height(), 224);
        QCOMPARE(e.stripTop(), 196.0); // enters from below
        QVERIFY(e.isScrolling());
        run(e, clock, 1500);
        QCOMPARE(e.stripTop(), 196.0);
        run(e, clock, 7699);
        QVERIFY(e.stripTop() > -420 && e.stripTop() < -419.8);
        QCOMPARE(e.Picture1->y(), -420); // whole pixels on screen
        run(e, clock, 1);
        QCOMPARE(e.stripTop(), 196.0);
        QCOMPARE(e.Picture1->y(), 196);
        run(e, clock, 1499);
        QCOMPARE(e.stripTop(), 196.0);
        run(e, clock, 1001);
        QCOMPARE(e.stripTop(), 196.0 - 80);
        QVERIFY(e.isScrolling());
    }

    void secondLongNameGoesOnFromTheCurrentTop()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 1500 + 2000);
        const double top = e.stripTop();
        QCOMPARE(top, 196.0 - 160);
        e.SetChimei(QStringLiteral("市民病院北口バス停"));
        QCOMPARE(e.stripTop(), top);
        QCOMPARE(e.stripImage().height(), 9 * 32);
        run(e, clock, 1500);
        QCOMPARE(e.stripTop(), top); // its own pause first
        run(e, clock, 1000);
        QCOMPARE(e.stripTop(), top - 80);
    }

    void emptyNameLeavesTheScrollRunning()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 2500);
        const double top = e.stripTop();
        e.SetChimei(QString());
        QVERIFY(e.isScrolling());
        QVERIFY(litRows(e.stripImage(), Amber).isEmpty());
        run(e, clock, 1000);
        QCOMPARE(e.stripTop(), top - 80);
        // The next long name goes on from there too, since the strip is not at 0.
        e.SetChimei(QStringLiteral("市民病院北口バス停"));
        QCOMPARE(e.stripTop(), top - 80);
    }

    void shortNameEndsTheScroll()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 2500);
        e.SetChimei(QStringLiteral("駅前"));
        QVERIFY(!e.isScrolling());
        QCOMPARE(e.stripTop(), 0.0);
        QCOMPARE(e.stripImage().height(), 192);
        run(e, clock, 1000);
        QCOMPARE(e.stripTop(), 0.0);
    }

    void speedChangeTakesEffectOnTheNextTurn()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 2500);
        QCOMPARE(e.stripTop(), 196.0 - 80);
        e.setSpeed(20);
        run(e, clock, 16); // 51 turns at 0.1 pixel
        QCOMPARE(e.stripTop(), 196.0 - 80 - 5.1);
    }

    void speedZeroBecomesOneThroughTheProperty()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.setSpeed(0);
        QSignalSpy changed(&e, &ChimeiCtl_E::PropertyChanged);
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 1400);
        QCOMPARE(e.Speed(), qint16(0));
        run(e, clock, 1100);
        QCOMPARE(e.Speed(), qint16(1));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("Speed"));
        QVERIFY(e.stripTop() < 196.0);
    }

    void settersReportTheChange()
    {
        ChimeiCtl_E e;
        QSignalSpy changed(&e, &ChimeiCtl_E::PropertyChanged);
        setEveryProperty(e);
        QStringList names;
        for (const QList<QVariant> &args : changed)
            names << args.first().toString();
        QCOMPARE(names,
                 (QStringList{"BackColor", "ForeColor", "Speed", "ScrollStartWait", "Mode", "Appearance",
                              "FontMode", "FontBold"}));
    }

    void appearanceResizesTheWindow()
    {
        ChimeiCtl_E e;
        e.setAppearance(0);
        QCOMPARE(e.Picture2->size(), QSize(35, 185));
        QCOMPARE(e.Picture2->frameShadow(), QFrame::Plain);
        QCOMPARE(e.Appearance(), qint16(0));
        e.setAppearance(3);
        QCOMPARE(e.Picture2->size(), QSize(37, 195));
        QCOMPARE(e.Appearance(), qint16(1));
    }

    void propertiesRoundTrip()
    {
        ChimeiCtl_E fresh;
        PropertyBag empty;
        fresh.WriteProperties(empty);
        QCOMPARE(empty.keys(), QStringList());

        ChimeiCtl_E e;
        setEveryProperty(e);
        PropertyBag bag;
        e.WriteProperties(bag);
        QCOMPARE(bag.keys(),
                 (QStringList{"BackColor", "ForeColor", "Speed", "ScrollStartWait", "Mode", "Appearance",
                              "FontMode", "FontBold"}));

        ChimeiCtl_E loaded;
        QSignalSpy changed(&loaded, &ChimeiCtl_E::PropertyChanged);
        loaded.ReadProperties(bag);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(loaded.BackColor(), 0x102030);
        QCOMPARE(loaded.ForeColor(), 0x00FF00);
        QCOMPARE(loaded.Speed(), qint16(12));
        QCOMPARE(loaded.ScrollStartWait(), 800);
        QCOMPARE(loaded.Mode(), qint16(2));
        QCOMPARE(loaded.Appearance(), qint16(0));
        QCOMPARE(loaded.Picture2->size(), QSize(37, 196)); // the border only
        QCOMPARE(loaded.FontMode(), qint16(4));
        QCOMPARE(loaded.FontBold(), true);
        QCOMPARE(loaded.stripImage().pixel(5, 5), qRgb(0x30, 0x20, 0x10));

        // Missing keys take their defaults.
        loaded.ReadProperties(PropertyBag());
        PropertyBag again;
        loaded.WriteProperties(again);
        QCOMPARE(again.keys(), QStringList());
    }
    // The element's own timer drives the scroll: SetChimei returns at once, and
    // the strip moves and comes out of its pause without anyone calling in.
    void ownTimerDrivesTheScroll()
    {
        ChimeiCtl_E e;
        e.setScrollStartWait(50);
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        QCOMPARE(e.stripTop(), 196.0);
        QTRY_VERIFY_WITH_TIMEOUT(e.stripTop() < 190, 3000);
        QVERIFY(e.isScrolling());
    }

    // A host that answers the Speed report by setting a short name gets that name at the top.
    void nameSetWhileSpeedIsRaised()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.setSpeed(0);
        connect(&e, &ChimeiCtl_E::PropertyChanged, &e, [&e](const QString &name) {
            if (name == QLatin1String("Speed"))
                e.SetChimei(QStringLiteral("駅"));
        });
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 1600);
        QCOMPARE(e.Speed(), qint16(1));
        QVERIFY(!e.isScrolling());
        QCOMPARE(e.stripTop(), 0.0);
        QCOMPARE(e.Picture1->y(), 0);
    }
};

QTEST_MAIN(tst_ChimeiCtl_E)
#include "tst_ChimeiCtl_E.moc"
