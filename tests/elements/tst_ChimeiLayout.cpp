#include "ChimeiLayout.h"

#include "ByteStrings.h"

#include <QTest>

class tst_ChimeiLayout : public QObject
{
    Q_OBJECT

private slots:
    void cellTops_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<int>("height");
        QTest::newRow("0") << 0 << 0 << QList<int>{0} << 192;
        QTest::newRow("1 centred") << 1 << 0 << QList<int>{80} << 192;
        QTest::newRow("2") << 2 << 0 << QList<int>{32, 128} << 192;
        QTest::newRow("2, Mode 2") << 2 << 2 << QList<int>{48, 112} << 192;
        QTest::newRow("2, Mode 1") << 2 << 1 << QList<int>{32, 128} << 192;
        QTest::newRow("3") << 3 << 0 << QList<int>{16, 80, 144} << 192;
        QTest::newRow("3, Mode 2 changes nothing") << 3 << 2 << QList<int>{16, 80, 144} << 192;
        QTest::newRow("4") << 4 << 0 << QList<int>{8, 56, 104, 152} << 192;
        QTest::newRow("5") << 5 << 0 << QList<int>{4, 42, 80, 118, 156} << 192;
        QTest::newRow("6 fill the window") << 6 << 0 << QList<int>{0, 32, 64, 96, 128, 160} << 192;
        QTest::newRow("7 scroll") << 7 << 0 << QList<int>{0, 32, 64, 96, 128, 160, 192} << 224;
        QTest::newRow("12") << 12 << 0 << QList<int>{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352}
                            << 384;
    }

    void cellTops()
    {
        QFETCH(int, cells);
        QFETCH(int, mode);
        QFETCH(QList<int>, tops);
        QFETCH(int, height);
        const ChimeiLayout::CellTops t = ChimeiLayout::cellTops(cells, mode);
        QList<int> got;
        for (int i = 0; i < qMax(cells, 1); ++i)
            got << t.offset + i * t.pitch;
        QCOMPARE(got, tops);
        QCOMPARE(ChimeiLayout::stripHeight(cells), height);
        // Every cell of a name that does not scroll stays inside the window.
        if (cells <= ChimeiLayout::CellsInWindow)
            QVERIFY(tops.last() + 32 <= 192);
    }

    void hugeNamesAreCapped()
    {
        QCOMPARE(ChimeiLayout::stripHeight(32767), ChimeiLayout::MaxCells * 32);
        QCOMPARE(ChimeiLayout::cellTexts(QString(1000, QChar(u'駅'))).size(), ChimeiLayout::MaxCells);
    }

    void stripTop_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<double>("current");
        QTest::addColumn<double>("top");
        QTest::newRow("short at 0") << 6 << 0.0 << 0.0;
        QTest::newRow("short after a scroll goes to 0") << 3 << -57.25 << 0.0;
        QTest::newRow("long enters from below") << 7 << 0.0 << 196.0;
        QTest::newRow("long goes on where a scroll left it") << 9 << -57.25 << -57.25;
        QTest::newRow("long below the window stays") << 7 << 196.0 << 196.0;
    }

    void stripTop()
    {
        QFETCH(int, cells);
        QFETCH(double, current);
        QFETCH(double, top);
        QCOMPARE(ChimeiLayout::stripTop(cells, current, 196), top);
    }

    void cellTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("empty") << QString() << 0 << QStringList();
        QTest::newRow("one half-width letter")
            << QStringLiteral("B") << 0 << QStringList{QStringLiteral("B")};
        QTest::newRow("two half-width letters share a cell")
            << QStringLiteral("JR") << 1 << QStringList{QStringLiteral("JR")};
        QTest::newRow("full-width") << QStringLiteral("北部車庫") << 4
                                    << QStringList{QStringLiteral("北"), QStringLiteral("部"),
                                                   QStringLiteral("車"), QStringLiteral("庫")};
        // 41 42 43 | 8C A7: the odd letter pushes 県 across two cells, each
        // half a blank.
        QTest::newRow("odd letters split a full-width one")
            << QStringLiteral("ABC県") << 2
            << QStringList{QStringLiteral("AB"), QStringLiteral("C "), QStringLiteral(" ")};
        QTest::newRow("digit between kanji") << QStringLiteral("第2公園") << 3
                                             << QStringList{QStringLiteral("第"), QStringLiteral("2 "),
                                                            QStringLiteral("  "), QStringLiteral(" ")};
    }

    void cellTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, cells);
        QFETCH(QStringList, texts);
        QCOMPARE(ChimeiLayout::cellCount(LenB_ASCII(text)), cells);
        QCOMPARE(ChimeiLayout::cellTexts(text), texts);
    }
};

QTEST_GUILESS_MAIN(tst_ChimeiLayout)
#include "tst_ChimeiLayout.moc"
