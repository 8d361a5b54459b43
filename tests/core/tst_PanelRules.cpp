#include "PanelRules.h"

#include <QTest>

using PanelRules::CellValues;

namespace {

// Fares 100 + k in cells k, a 20,000 in cell 4 and the -1 marker in cell 5;
// ticket number 7; column 40 holds 3.
HyRecord sampleRow()
{
    HyRecord row;
    row.SeiriNo = 7;
    for (int k = 1; k <= 24; ++k)
        row.Col[k] = qint16(100 + k);
    row.Col[4] = 20000;
    row.Col[5] = -1;
    row.Col[40] = 3;
    return row;
}

// Cells as "k=value" for those given a value, in order.
QString shown(const CellValues &cells)
{
    QStringList parts;
    for (int k = 1; k <= 24; ++k) {
        if (cells[k])
            parts << QStringLiteral("%1=%2").arg(k).arg(cells[k]->toString());
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class tst_PanelRules : public QObject
{
    Q_OBJECT

private slots:
    void cellValues_data();
    void cellValues();
    void bigFaresStayWhole();
    void soundForFlag();
    void sectionNumber();
};

void tst_PanelRules::cellValues_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("lateNight");
    QTest::addColumn<DegitInfo>("info");
    QTest::addColumn<QString>("expected"); // the cells given a value from cell 20 on

    const DegitInfo none;
    DegitInfo stopNo;
    stopNo.ShowStopNo = 1;
    stopNo.StopNoKoma = 20; // cell 21
    DegitInfo fromZero = stopNo;
    fromZero.StopNoFromZero = 1;
    DegitInfo seiri;
    seiri.ShowSeiriNo = 1;
    seiri.SeiriNoKoma = 21;
    DegitInfo keito;
    keito.ShowKeitoNo = 1;
    keito.KeitoNoKoma = 22;
    DegitInfo column;
    column.ShowDataCol = 1;
    column.DataColNo = 39; // column 40
    column.DataColKoma = 23;
    DegitInfo columnBeyond = column;
    columnBeyond.DataColNo = 150;
    DegitInfo komaBeyond = stopNo;
    komaBeyond.StopNoKoma = 24;
    // All four on one cell: the later one in the order stands.
    DegitInfo all;
    all.ShowStopNo = all.ShowSeiriNo = all.ShowKeitoNo = all.ShowDataCol = 1;
    all.StopNoKoma = all.SeiriNoKoma = all.KeitoNoKoma = 19;
    all.DataColKoma = 20;
    all.DataColNo = 39;
    DegitInfo unchecked = all;
    unchecked.ShowDataCol = 0;
    unchecked.ShowKeitoNo = 0;

    QTest::newRow("fares only") << 1 << false << none << "20=120 21=121 22=122 23=123 24=124";
    QTest::newRow("late night doubles") << 1 << true << none << "20=240 21=242 22=244 23=246 24=248";
    QTest::newRow("fares from the section's cell on") << 22 << false << none << "22=122 23=123 24=124";
    QTest::newRow("section past the board: no fares") << 30 << false << none << "";
    QTest::newRow("stop's row") << 1 << false << stopNo << "20=120 21=5 22=122 23=123 24=124";
    QTest::newRow("stop's row from zero") << 1 << false << fromZero << "20=120 21=4 22=122 23=123 24=124";
    QTest::newRow("information digit below the section") << 30 << false << stopNo << "21=5";
    QTest::newRow("ticket number") << 1 << false << seiri << "20=120 21=121 22=7 23=123 24=124";
    QTest::newRow("route as keyed") << 1 << false << keito << "20=120 21=121 22=122 23=00012 24=124";
    QTest::newRow("data column, not doubled") << 1 << true << column << "20=240 21=242 22=244 23=246 24=3";
    QTest::newRow("data column past 150") << 1 << false << columnBeyond << "20=120 21=121 22=122 23=123 24=124";
    QTest::newRow("cell past 24") << 1 << false << komaBeyond << "20=120 21=121 22=122 23=123 24=124";
    QTest::newRow("later digits over earlier") << 1 << false << all << "20=00012 21=3 22=122 23=123 24=124";
    QTest::newRow("only those switched on") << 1 << false << unchecked << "20=7 21=121 22=122 23=123 24=124";
}

void tst_PanelRules::cellValues()
{
    QFETCH(int, section);
    QFETCH(bool, lateNight);
    QFETCH(DegitInfo, info);
    QFETCH(QString, expected);
    const CellValues cells =
        PanelRules::cellValues(sampleRow(), 5, section, lateNight, QStringLiteral("00012"), info);
    const QStringList all = shown(cells).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList fromTwenty;
    for (const QString &cell : all) {
        if (cell.section(QLatin1Char('='), 0, 0).toInt() >= 20)
            fromTwenty << cell;
    }
    QCOMPARE(fromTwenty.join(QLatin1Char(' ')), expected);
    // Below the section nothing is given.
    for (int k = 1; k < qMin(section, 20); ++k)
        QVERIFY2(!cells[k], qPrintable(QString::number(k)));
}

void tst_PanelRules::bigFaresStayWhole()
{
    const CellValues cells = PanelRules::cellValues(sampleRow(), 1, 1, true, QString(), DegitInfo{});
    // Doubled past 16 bits it is kept whole; the -1 marker stays.
    QCOMPARE(cells[4]->toInt(), 40000);
    QCOMPARE(cells[5]->toInt(), -1);
    QCOMPARE(cells[1]->typeId(), QMetaType::Int);
    QCOMPARE(cells[4]->typeId(), QMetaType::Int);
}

void tst_PanelRules::soundForFlag()
{
    const QString a = QStringLiteral("a.wav"), b = QStringLiteral("b.wav"), c = QStringLiteral("c.wav");
    const QStringList chosen{PanelRules::soundForFlag(-1, a, b, c), PanelRules::soundForFlag(0, a, b, c),
                             PanelRules::soundForFlag(1, a, b, c),  PanelRules::soundForFlag(2, a, b, c),
                             PanelRules::soundForFlag(3, a, b, c),  PanelRules::soundForFlag(4, a, b, c)};
    QCOMPARE(chosen, (QStringList{QString(), QString(), a, b, c, QString()}));
}

void tst_PanelRules::sectionNumber()
{
    const QList<qint64> keyed{0, 1, 7, 300, 301, 999999999};
    QList<qint16> taken;
    for (qint64 k : keyed)
        taken << PanelRules::sectionNumber(k);
    QCOMPARE(taken, (QList<qint16>{1, 1, 7, 300, 300, 300}));
}

QTEST_GUILESS_MAIN(tst_PanelRules)
#include "tst_PanelRules.moc"
