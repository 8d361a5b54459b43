#include "PanelRules.h"

#include <QTest>

using PanelRules::CellValues;

namespace {

// Fares 100 + k in cells k, 20,000 in 22, the -1 marker in 23; ticket number 7; column 40 holds 3.
HyRecord sampleRow()
{
    HyRecord row;
    row.SeiriNo = 7;
    for (int k = 1; k <= 24; ++k)
        row.Col[k] = qint16(100 + k);
    row.Col[22] = 20000;
    row.Col[23] = -1;
    row.Col[40] = 3;
    return row;
}

// The cells given a value as "k=value", a value that is no int in quotes.
QString shown(const CellValues &cells)
{
    QStringList parts;
    for (int k = 1; k <= 24; ++k) {
        if (cells[k])
            parts << QString::fromLatin1(cells[k]->typeId() == QMetaType::Int ? "%1=%2" : "%1='%2'")
                         .arg(k)
                         .arg(cells[k]->toString());
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class tst_PanelRules : public QObject
{
    Q_OBJECT

private slots:
    void cellValues_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<bool>("lateNight");
        QTest::addColumn<DegitInfo>("info");
        QTest::addColumn<QString>("expected");

        // The digits switched off point at cell 1 (コマ 0), which no row shows.
        const DegitInfo stopNo{.ShowStopNo = 1, .StopNoKoma = 20, .ShowKeitoNo = 1, .KeitoNoKoma = 21};
        const DegitInfo column{.ShowDataCol = 1, .DataColNo = 39, .DataColKoma = 23}; // column 40
        const DegitInfo beyond{.ShowStopNo = 1, .StopNoKoma = 24, .ShowDataCol = 1, .DataColNo = 150};
        const DegitInfo seiriOverStop{.ShowStopNo = 1, .StopNoKoma = 19, .ShowSeiriNo = 1, .SeiriNoKoma = 19};
        QTest::newRow("fares from the section on") << 22 << false << DegitInfo{} << "22=20000 23=-1 24=124";
        QTest::newRow("section past the board: digits only") << 30 << false << stopNo << "21=5 22='00012'";
        QTest::newRow("late at night doubled, past 16 bits too, but not the -1 marker nor a data column")
            << 20 << true << column << "20=240 21=242 22=40000 23=-1 24=3";
        QTest::newRow("data column past 150, cell past 24")
            << 20 << false << beyond << "20=120 21=121 22=20000 23=-1 24=124";
        QTest::newRow("later digits over earlier")
            << 20 << false << seiriOverStop << "20=7 21=121 22=20000 23=-1 24=124";
    }

    void cellValues()
    {
        QFETCH(int, section);
        QFETCH(bool, lateNight);
        QFETCH(DegitInfo, info);
        QFETCH(QString, expected);
        QCOMPARE(
            shown(PanelRules::cellValues(sampleRow(), 5, section, lateNight, QStringLiteral("00012"), info)),
            expected);
    }

    // The sound a flag picks; the section a number keyed in sets.
    void soundAndSection()
    {
        QStringList chosen;
        for (int flag = -1; flag <= 4; ++flag)
            chosen << PanelRules::soundForFlag(flag, "a", "b", "c");
        QCOMPARE(chosen, (QStringList{QString(), QString(), "a", "b", "c", QString()}));
        QList<qint16> taken;
        for (qint64 keyed : {0LL, 1LL, 7LL, 300LL, 301LL, 999999999LL})
            taken << PanelRules::sectionNumber(keyed);
        QCOMPARE(taken, (QList<qint16>{1, 1, 7, 300, 300, 300}));
    }
};

QTEST_GUILESS_MAIN(tst_PanelRules)
#include "tst_PanelRules.moc"
