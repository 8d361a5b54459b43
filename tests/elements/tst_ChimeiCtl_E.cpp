#include "ChimeiCtl_E.h"

#include "DotGlyph.h"
#include "FakeClocks.h"
#include "Pixels.h"

#include <QTest>

namespace {

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

} // namespace

class tst_ChimeiCtl_E : public QObject
{
    Q_OBJECT

private slots:
    // Each cell stands at its top in its glyph's dots, in ForeColor ("|" between cells): in
    // gothic unless "mincho", "bold" in bold, "right" a dot right, "side" laid on its side.
    void cellsOnTheStrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<QString>("cells");
        QTest::newRow("odd letters split 県") << "ABC県" << 0 << "AB@32|C @128| @224";
        QTest::newRow("FontMode 5 as 0: ー runs down, → lies on its side, 山 a dot right")
            << "ー→山" << 5 << "丨@16|→@80 side|山@144 right";
        QTest::newRow("FontMode 4: a full-width letter in gothic, 山 in place in mincho, bold")
            << "Ａ山" << 4 << "Ａ@32 bold|山@128 mincho bold";
    }

    void cellsOnTheStrip()
    {
        QFETCH(QString, name);
        QFETCH(int, fontMode);
        QFETCH(QString, cells);
        ChimeiCtl_E e;
        e.setForeColor(0x0000FF); // red, as 0x00BBGGRR
        e.setFontMode(qint16(fontMode));
        e.setFontBold(cells.contains("bold"));
        e.SetChimei(name);
        QVERIFY(!e.isScrolling());
        QCOMPARE(e.stripTop(), 0.0);
        QImage glyph(16, 16, QImage::Format_RGB32);
        for (const QString &c : cells.split(u'|')) {
            const QStringList at = c.section(u'@', 1).split(u' '); // the top, then the words
            const auto face = at.contains("mincho") ? DotGlyph::Face::Mincho : DotGlyph::Face::Gothic;
            DotGlyph::render(glyph, c.section(u'@', 0, 0), face, at.contains("bold"), at.contains("right"));
            QCOMPARE(dots(e.stripImage(), {2, at[0].toInt()}, 2, qRgb(255, 0, 0), at.contains("side")),
                     dots(glyph, {}, 1, qRgb(0, 0, 0)));
        }
    }

    // A name set 1 s into the scroll of a long one: another long one goes on from
    // where the strip stands after its own pause, a short one ends it at the top.
    void nameSetWhileScrolling_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("later"); // the top 2.5 s later
        QTest::newRow("long") << "市民病院北口バス停" << 196.0 - 80 - 80;
        QTest::newRow("short") << "駅前" << 0.0;
    }

    void nameSetWhileScrolling()
    {
        QFETCH(QString, name);
        QFETCH(double, later);
        FakeElapsedClock clock;
        ChimeiCtl_E e(&clock);
        const auto run = [&] { // 2.5 s of frames on the fake clock
            for (int t = 0; t < 2500; t += ChimeiCtl_E::FrameMs) {
                clock.advanceMs(qMin(ChimeiCtl_E::FrameMs, 2500 - t));
                e.advanceScroll();
            }
        };
        e.SetChimei(QStringLiteral("県立総合運動公園前"));
        run();
        e.SetChimei(name);
        QCOMPARE(e.isScrolling(), later != 0);
        QVERIFY(litPixels(e.stripImage()) > 0);
        run();
        QCOMPARE(e.stripTop(), later);
        QCOMPARE(e.Picture1->y(), qRound(later)); // whole pixels on screen
    }
};

QTEST_MAIN(tst_ChimeiCtl_E)
#include "tst_ChimeiCtl_E.moc"
