#include "DotGlyph.h"

#include <QFontInfo>
#include <QTest>

class tst_DotGlyph : public QObject
{
    Q_OBJECT

private slots:
    // The face of a cell by FontMode and code: &H889F is the first kanji, &H824F..&H829A
    // the full-width digits and letters; a single byte is a positive code.
    void face_data()
    {
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("gothic");
        const struct
        {
            int fontMode, k;
            bool gothic;
        } rows[] = {{0, 0x8140, true},  {1, 0x41, false},   {5, 0x889F, true}, {-1, 0x8140, true},
                    {2, 0x889E, false}, {2, 0x889F, true},  {2, 0xFF, true},   {3, 0x889E, true},
                    {3, 0x889F, false}, {4, 0x824E, false}, {4, 0x824F, true}, {4, 0x829A, true},
                    {4, 0x829B, false}};
        for (const auto &r : rows)
            QTest::addRow("%d, %X", r.fontMode, r.k) << r.fontMode << r.k << r.gothic;
    }

    void face()
    {
        QFETCH(int, fontMode);
        QFETCH(int, k);
        QFETCH(bool, gothic);
        QCOMPARE(DotGlyph::face(fontMode, qint16(k)) == DotGlyph::Face::Gothic, gothic);
    }

    // The faces resolve to the IPA fonts, bold as asked. Only exactly black
    // pixels become dots, as grey from smoothing would lose strokes; the baseline
    // puts a kanji's foot on row 14, and nothing upright is cut off at the top.
    void glyphs_data()
    {
        QTest::addColumn<bool>("mincho");
        QTest::addColumn<bool>("bold");
        for (int i = 0; i < 4; ++i)
            QTest::addRow("%s%s", i & 1 ? "mincho" : "gothic", i > 1 ? " bold" : "")
                << bool(i & 1) << (i > 1);
    }

    void glyphs()
    {
        QFETCH(bool, mincho);
        QFETCH(bool, bold);
        const DotGlyph::Face face = mincho ? DotGlyph::Face::Mincho : DotGlyph::Face::Gothic;
        const QFontInfo info(DotGlyph::font(face, bold));
        QCOMPARE(info.family(), QString(mincho ? "IPAMincho" : "IPAGothic"));
        QCOMPARE(info.bold(), bold);
        QImage cell(16, 16, QImage::Format_RGB32);
        DotGlyph::render(cell, QStringLiteral("国"), face, bold);
        int black = 0, top = 16, foot = -1;
        for (int i = 0; i < 256; ++i) {
            const QRgb p = cell.pixel(i % 16, i / 16) & 0xFFFFFF;
            QVERIFY2(p == 0 || p == 0xFFFFFF, qPrintable(QStringLiteral("%1: %2").arg(i).arg(p)));
            if (p == 0)
                ++black, top = qMin(top, i / 16), foot = i / 16;
        }
        QVERIFY(black > 10);
        QCOMPARE(foot, 14);
        QVERIFY(bold || top >= 1);
    }
};

QTEST_MAIN(tst_DotGlyph)
#include "tst_DotGlyph.moc"
