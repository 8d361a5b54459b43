#include "ChimeiCtl_E.h"

#include "DotGlyph.h"
#include "FakeClocks.h"

#include <QTest>
#include <algorithm>

namespace {

constexpr QRgb Amber = 0xFFFFBE00; // the default 0x00BEFF, given as 0x00BBGGRR
constexpr QRgb Red = 0xFFFF0000;   // 0x0000FF

// The 16 x 16 dots ('#' lit, '.' not, a line a row) read from image at origin,
// one every `pitch` pixels; `across` reads down the columns, as for a glyph laid on its side.
QString dots(const QImage &image, QPoint origin, int pitch, QRgb lit, bool across = false)
{
    QString rows;
    for (int i = 0; i < 256; ++i) {
        const QPoint p = origin + pitch * (across ? QPoint(i / 16, i % 16) : QPoint(i % 16, i / 16));
        rows += (i % 16 ? "" : "\n") + QString(image.valid(p) && image.pixel(p) == lit ? "#" : ".");
    }
    return rows;
}

QString rendered(const QString &text, bool mincho, bool bold = false, QPoint offset = {})
{
    QImage cell(16, 16, QImage::Format_RGB32);
    DotGlyph::render(cell, text, mincho ? DotGlyph::Face::Mincho : DotGlyph::Face::Gothic, bold, offset.x(),
                     offset.y());
    return dots(cell, {}, 1, qRgb(0, 0, 0));
}

int pixelsOf(const QImage &strip, QRgb colour)
{
    const QRgb *pixels = reinterpret_cast<const QRgb *>(strip.constBits()); // 37 pixels a line, no padding
    return int(std::count(pixels, pixels + strip.width() * strip.height(), colour));
}

// A name as the strip shows it: its cells as drawn ("|" between them; one
// cell, the name itself, when empty) at their tops.
struct Shown
{
    QString name;
    QList<int> tops = {80};
    QString drawn = {};
    int fontMode = 0;
    bool bold = false, mincho = false;
    QPoint offset = {};
    bool side = false; // laid on its side
};

} // namespace

Q_DECLARE_METATYPE(Shown)

class tst_ChimeiCtl_E : public QObject
{
    Q_OBJECT

    // Runs the element's frames for ms milliseconds of the fake clock.
    void run(ChimeiCtl_E &e, FakeElapsedClock &clock, qint64 ms)
    {
        for (qint64 t = 0; t < ms; t += ChimeiCtl_E::FrameMs) {
            clock.advanceMs(qMin<qint64>(ChimeiCtl_E::FrameMs, ms - t));
            e.advanceScroll();
        }
    }

private slots:
    void cellsOnTheStrip_data()
    {
        QTest::addColumn<Shown>("r");
        // The third cell, " " at 224, is beyond the strip.
        QTest::newRow("odd letters split 県") << Shown{.name = "ABC県", .tops = {32, 128}, .drawn = "AB|C "};
        QTest::newRow("long sound mark runs down") << Shown{.name = "ー", .drawn = "丨"};
        QTest::newRow("full stop ten dots right and up") << Shown{.name = "。", .offset = {10, -10}};
        QTest::newRow("arrow laid on its side") << Shown{.name = "→", .side = true};
        QTest::newRow("申 a dot right in gothic") << Shown{.name = "申", .offset = {1, 0}};
        QTest::newRow("FontMode 5 counts as 0: 山 a dot right")
            << Shown{.name = "山", .fontMode = 5, .offset = {1, 0}};
        QTest::newRow("山 in place in mincho") << Shown{.name = "山", .fontMode = 1, .mincho = true};
        QTest::newRow("FontMode 2, kana in mincho") << Shown{.name = "あ", .fontMode = 2, .mincho = true};
        QTest::newRow("FontMode 4, full-width letter in gothic") << Shown{.name = "Ａ", .fontMode = 4};
        QTest::newRow("bold") << Shown{.name = "国", .bold = true};
    }

    // Each cell stands at its top in its glyph's dots, in ForeColor.
    void cellsOnTheStrip()
    {
        QFETCH(Shown, r);
        ChimeiCtl_E e;
        e.setForeColor(0x0000FF);
        e.setFontMode(qint16(r.fontMode));
        e.setFontBold(r.bold);
        e.SetChimei(r.name);
        QVERIFY(!e.isScrolling());
        QCOMPARE(e.stripTop(), 0.0);
        const QStringList drawn = (r.drawn.isEmpty() ? r.name : r.drawn).split(u'|');
        for (int i = 0; i < r.tops.size(); ++i)
            QCOMPARE(dots(e.stripImage(), {2, r.tops[i]}, 2, Red, r.side),
                     rendered(drawn[i], r.mincho, r.bold, r.offset));
    }

    // A name set 1 s into the scroll of a long one: another long one goes on
    // from where the strip stands after its own pause, an empty one leaves the
    // scroll running over the cleared strip, a short one ends it at the top.
    void nameSetWhileScrolling_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<double>("later"); // the top 2.5 s later
        QTest::newRow("long") << "市民病院北口バス停" << true << 196.0 - 80 - 80;
        QTest::newRow("empty") << QString() << true << 196.0 - 80 - 200;
        QTest::newRow("short") << "駅前" << false << 0.0;
    }

    void nameSetWhileScrolling()
    {
        QFETCH(QString, name);
        QFETCH(bool, scrolls);
        QFETCH(double, later);
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 2500);
        e.SetChimei(name);
        QCOMPARE(e.isScrolling(), scrolls);
        QCOMPARE(pixelsOf(e.stripImage(), Amber) > 0, !name.isEmpty());
        run(e, clock, 2500);
        QCOMPARE(e.stripTop(), later);
        QCOMPARE(e.Picture1->y(), qRound(later)); // whole pixels on screen
    }

    // Speed 0 runs as 1 and is reported so; a host that answers the report with
    // a short name gets that name at the top.
    void speedZeroIsRaisedAndReported()
    {
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        e.setSpeed(0);
        QStringList reported;
        connect(&e, &ChimeiCtl_E::PropertyChanged, &e, [&](const QString &name) {
            reported << name;
            e.SetChimei(QStringLiteral("駅"));
        });
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run(e, clock, 1600);
        QCOMPARE(reported, QStringList{"Speed"});
        QCOMPARE(e.Speed(), qint16(1));
        QVERIFY(!e.isScrolling());
        QCOMPARE(e.Picture1->y(), 0);
    }
};

QTEST_MAIN(tst_ChimeiCtl_E)
#include "tst_ChimeiCtl_E.moc"
