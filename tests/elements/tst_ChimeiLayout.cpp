#include "ChimeiLayout.h"

#include "ByteStrings.h"

#include <QTest>

class tst_ChimeiLayout : public QObject
{
    Q_OBJECT

private slots:
    // What each cell of a name holds ("|" between cells), where it stands on
    // the strip, and the strip's height.
    void cells_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<int>("height");
        QTest::newRow("empty") << QString() << 0 << QString() << QList<int>() << 192;
        QTest::newRow("one letter: no whole cell") << "B" << 0 << "B" << QList<int>{0} << 192;
        QTest::newRow("two letters share a cell") << "JR" << 0 << "JR" << QList<int>{80} << 192;
        QTest::newRow("2") << "北部" << 0 << "北|部" << QList<int>{32, 128} << 192;
        QTest::newRow("2, Mode 2") << "北部" << 2 << "北|部" << QList<int>{48, 112} << 192;
        // 41 42 43 | 8C A7: the odd letter pushes 県 across two cells, each half a blank.
        QTest::newRow("odd letters split a full-width one")
            << "ABC県" << 0 << "AB|C | " << QList<int>{32, 128, 224} << 192;
        QTest::newRow("3, Mode 2 changes nothing")
            << "第2公園" << 2 << "第|2 |  | " << QList<int>{16, 80, 144, 208} << 192;
        QTest::newRow("6 fill the window")
            << "県立総合公園" << 0 << "県|立|総|合|公|園" << QList<int>{0, 32, 64, 96, 128, 160} << 192;
        QTest::newRow("7 scroll") << "県立総合運動公" << 0 << "県|立|総|合|運|動|公"
                                  << QList<int>{0, 32, 64, 96, 128, 160, 192} << 224;
    }

    void cells()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        QFETCH(QString, cells);
        QFETCH(QList<int>, tops);
        QFETCH(int, height);
        const QStringList texts = ChimeiLayout::cellTexts(name);
        QCOMPARE(texts, cells.split(u'|', Qt::SkipEmptyParts));
        const int count = ChimeiLayout::cellCount(LenB_ASCII(name));
        const ChimeiLayout::CellTops t = ChimeiLayout::cellTops(count, mode);
        QList<int> got;
        for (int i = 0; i < texts.size(); ++i)
            got << t.offset + i * t.pitch;
        QCOMPARE(got, tops);
        QCOMPARE(ChimeiLayout::stripHeight(count), height);
    }

    void hugeNamesAreCapped()
    {
        QCOMPARE(ChimeiLayout::stripHeight(32767), ChimeiLayout::MaxCells * 32);
        QCOMPARE(ChimeiLayout::cellTexts(QString(1000, QChar(u'駅'))).size(), ChimeiLayout::MaxCells);
    }
};

QTEST_GUILESS_MAIN(tst_ChimeiLayout)
#include "tst_ChimeiLayout.moc"
