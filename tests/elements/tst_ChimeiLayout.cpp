#include "ChimeiLayout.h"

#include "ByteStrings.h"

#include <QTest>

class tst_ChimeiLayout : public QObject
{
    Q_OBJECT

private slots:
    // Each cell of a name at its top on the strip ("|" between cells), then the strip's height.
    void cells_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("cells");
        QTest::newRow("two letters share a cell") << "JR" << 0 << "JR@80 in 192";
        QTest::newRow("2, Mode 2") << "北部" << 2 << "北@48|部@112 in 192";
        QTest::newRow("7 bytes, 3 cells: 公 and 園 split; Mode 2 changes nothing")
            << "第2公園" << 2 << "第@16|2 @80|  @144| @208 in 192";
        QTest::newRow("7 scroll") << "県立総合運動公" << 0
                                  << "県@0|立@32|総@64|合@96|運@128|動@160|公@192 in 224";
        QStringList capped; // a hostile route file's name asks for no strip of a million pixels
        for (int i = 0; i < ChimeiLayout::MaxCells; ++i)
            capped << QStringLiteral("駅@%1").arg(32 * i);
        QTest::newRow("capped") << QString(32767, u'駅') << 0 << capped.join(u'|') + " in 8192";
    }

    void cells()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        QFETCH(QString, cells);
        const int count = ChimeiLayout::cellCount(LenB_ASCII(name));
        const ChimeiLayout::CellTops t = ChimeiLayout::cellTops(count, mode);
        QStringList got = ChimeiLayout::cellTexts(name);
        for (int i = 0; i < got.size(); ++i)
            got[i] += u'@' + QString::number(t.offset + i * t.pitch);
        QCOMPARE(got.join(u'|') + QStringLiteral(" in %1").arg(ChimeiLayout::stripHeight(count)), cells);
    }
};

QTEST_GUILESS_MAIN(tst_ChimeiLayout)
#include "tst_ChimeiLayout.moc"
