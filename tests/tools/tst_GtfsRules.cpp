#include "GtfsRules.h"

#include <QTest>

using namespace GtfsRules;

namespace {

using Matrix = QList<QList<int>>; // upper triangle of fares, row a, column b

Fares faresOf(const Matrix &m)
{
    Fares f;
    const size_t n = size_t(m.size());
    f.fare.assign(n, std::vector<qint16>(n, 0));
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = 0; b < n; ++b)
            f.fare[a][b] = qint16(m[qsizetype(a)].value(qsizetype(b)));
    }
    return f;
}

// Fares that depend only on a band number of each stop: 180 + 30 per band crossed.
Fares banded(const QList<int> &bands)
{
    Matrix m;
    for (qsizetype a = 0; a < bands.size(); ++a) {
        QList<int> row;
        for (qsizetype b = 0; b < bands.size(); ++b)
            row << (b > a ? 180 + 30 * (bands[b] - bands[a]) : 0);
        m << row;
    }
    return faresOf(m);
}

PricedRule rule(const char *route, const char *origin, const char *destination, int price)
{
    return {route, origin, destination, qint16(price), {}, 0};
}

} // namespace

class tst_GtfsRules : public QObject
{
    Q_OBJECT

private slots:
    void patternTrip_data()
    {
        QTest::addColumn<QList<QByteArray>>("ids");
        QTest::addColumn<QList<QList<int>>>("stops");
        QTest::addColumn<int>("chosen"); // -1: none
        QTest::newRow("most trips win over longer")
            << QList<QByteArray>{"a", "b", "c"} << QList<QList<int>>{{1, 2, 3, 4}, {1, 2, 3}, {1, 2, 3}} << 1;
        QTest::newRow("equal counts: the longest")
            << QList<QByteArray>{"a", "b", "c", "d"}
            << QList<QList<int>>{{1, 2}, {1, 2, 3}, {1, 2}, {1, 2, 3}} << 1;
        QTest::newRow("equal counts and lengths: plain string order of the first trips' ids")
            << QList<QByteArray>{"T9", "T10", "T2", "T3"}
            << QList<QList<int>>{{1, 2, 3}, {3, 2, 1}, {3, 2, 1}, {1, 2, 3}} << 1;
        // T1 sorts before T5, but T9 is the first trip of its pattern.
        QTest::newRow("a pattern's first trip is its first in the file")
            << QList<QByteArray>{"T9", "T5", "T1", "T2"} << QList<QList<int>>{{1, 2}, {2, 1}, {1, 2}, {2, 1}}
            << 1;
        QTest::newRow("trips without stops run nothing")
            << QList<QByteArray>{"a", "b", "c"} << QList<QList<int>>{{}, {}, {5, 6}} << 2;
        QTest::newRow("no stops at all") << QList<QByteArray>{"a"} << QList<QList<int>>{{}} << -1;
    }

    void patternTrip()
    {
        QFETCH(QList<QByteArray>, ids);
        QFETCH(QList<QList<int>>, stops);
        QFETCH(int, chosen);
        std::vector<TripStops> trips;
        for (qsizetype i = 0; i < ids.size(); ++i)
            trips.push_back({ids[i], std::vector<int>(stops[i].begin(), stops[i].end())});
        const std::optional<size_t> got = GtfsRules::patternTrip(trips);
        QCOMPARE(got ? int(*got) : -1, chosen);
    }

    void parsePrice_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<int>("yen"); // -99999: not a price
        QTest::newRow("210") << QByteArray("210") << 210;
        QTest::newRow("210.0") << QByteArray("210.0") << 210;
        QTest::newRow("blanks") << QByteArray(" 210 ") << 210;
        QTest::newRow("32767") << QByteArray("32767") << 32767;
        QTest::newRow("-32768") << QByteArray("-32768") << -32768;
        QTest::newRow("210.5") << QByteArray("210.5") << -99999;
        QTest::newRow("32768") << QByteArray("32768") << -99999;
        QTest::newRow("empty") << QByteArray("") << -99999;
        QTest::newRow("exponent") << QByteArray("2e2") << -99999;
        QTest::newRow("currency") << QByteArray("210円") << -99999;
        QTest::newRow("dot alone") << QByteArray(".") << -99999;
    }

    void parsePrice()
    {
        QFETCH(QByteArray, written);
        QFETCH(int, yen);
        const std::optional<qint16> got = GtfsRules::parsePrice(written);
        QCOMPARE(got ? int(*got) : -99999, yen);
    }

    void fares_data()
    {
        QTest::addColumn<QList<QByteArray>>("zones");
        QTest::addColumn<std::vector<PricedRule>>("rules");
        QTest::addColumn<Matrix>("expected");
        QTest::addColumn<int>("missing");
        const QList<QByteArray> three{"A", "B", "C"};
        QTest::newRow("each pair its rule")
            << three
            << std::vector{rule("R", "A", "B", 180), rule("R", "A", "C", 210), rule("R", "B", "C", 190)}
            << Matrix{{0, 180, 210}, {0, 0, 190}, {0, 0, 0}} << 0;
        QTest::newRow("the cheapest of those that match; other routes' rules do not")
            << three
            << std::vector{rule("R", "A", "B", 300), rule("", "A", "B", 250), rule("X", "A", "B", 100),
                           rule("R", "A", "", 400), rule("", "", "", 500)}
            << Matrix{{0, 250, 400}, {0, 0, 500}, {0, 0, 0}} << 0;
        QTest::newRow("nothing matches: 0, counted") << three << std::vector{rule("R", "A", "B", 180)}
                                                     << Matrix{{0, 180, 0}, {0, 0, 0}, {0, 0, 0}} << 2;
        QTest::newRow("a stop without a zone matches only empty ids")
            << QList<QByteArray>{"A", "", "C"}
            << std::vector{rule("R", "A", "", 150), rule("R", "", "C", 170)}
            << Matrix{{0, 150, 150}, {0, 0, 170}, {0, 0, 0}} << 0;
        QTest::newRow("zones per platform, direction matters")
            << QList<QByteArray>{"0391_A", "0392_A"}
            << std::vector{rule("R", "0392_A", "0391_A", 900), rule("R", "0391_A", "0392_A", 200)}
            << Matrix{{0, 200}, {0, 0}} << 0;
    }

    void fares()
    {
        QFETCH(QList<QByteArray>, zones);
        QFETCH(std::vector<PricedRule>, rules);
        QFETCH(Matrix, expected);
        QFETCH(int, missing);
        auto got = GtfsRules::fares(std::vector<QByteArray>(zones.begin(), zones.end()), "R", rules);
        QVERIFY(std::holds_alternative<Fares>(got));
        const Fares &f = std::get<Fares>(got);
        QCOMPARE(f.fare, faresOf(expected).fare);
        QCOMPARE(f.missing, missing);
        QCOMPARE(f.found + f.missing, int(zones.size() * (zones.size() - 1) / 2));
    }

    void aBadPriceRefusesOnlyItsRoute()
    {
        PricedRule bad{"R", "A", "B", std::nullopt, "210.5", 7};
        auto refused = GtfsRules::fares({"A", "B"}, "R", {rule("R", "A", "B", 180), bad});
        QVERIFY(std::holds_alternative<PricedRule>(refused));
        QCOMPARE(std::get<PricedRule>(refused).line, 7);
        bad.routeId = "X";
        QVERIFY(std::holds_alternative<Fares>(GtfsRules::fares({"A", "B"}, "R", {bad})));
    }

    void ticketNumbers_data()
    {
        QTest::addColumn<Fares>("fares");
        QTest::addColumn<bool>("merge");
        QTest::addColumn<QList<int>>("tickets");
        QTest::newRow("one band, one number") << banded({1, 1, 1, 2}) << true << QList<int>{1, 1, 1, 1};
        QTest::newRow("bands of two") << banded({1, 1, 2, 2, 3, 4}) << true << QList<int>{1, 1, 2, 2, 3, 3};
        QTest::newRow("no merging") << banded({1, 1, 2, 2}) << false << QList<int>{1, 2, 3, 3};
        QTest::newRow("one later fare apart starts a number")
            << faresOf({{0, 100, 200, 300}, {0, 0, 200, 300}, {0, 0, 0, 310}, {0, 0, 0, 0}}) << true
            << QList<int>{1, 1, 2, 2};
        QTest::newRow("two stops") << banded({1, 5}) << true << QList<int>{1, 1};
    }

    void ticketNumbers()
    {
        QFETCH(Fares, fares);
        QFETCH(bool, merge);
        QFETCH(QList<int>, tickets);
        const std::vector<int> got = GtfsRules::ticketNumbers(fares, merge);
        QCOMPARE(QList<int>(got.begin(), got.end()), tickets);
    }

    void rowsHoldTheFaresOfEachTicketsFirstStop()
    {
        const Fares f = banded({1, 1, 2, 3});
        const std::vector<int> tickets = GtfsRules::ticketNumbers(f, true);
        const std::vector<HyRecord> r = GtfsRules::rows({"a", "b", "c", "d"}, tickets, f);
        QCOMPARE(r.size(), size_t(4));
        const QList<QList<int>> expected{
            {1, 0, 0}, {1, 180, 0}, {2, 210, 0}, {2, 240, 210}}; // ticket, Col 1, Col 2
        for (size_t i = 0; i < r.size(); ++i) {
            QCOMPARE(r[i].TeiName, QStringList({"a", "b", "c", "d"})[qsizetype(i)]);
            QCOMPARE((QList<int>{r[i].SeiriNo, r[i].Col[1], r[i].Col[2]}), expected[qsizetype(i)]);
            QCOMPARE(r[i].Col[3], qint16(0));
        }
    }

    void announcements_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("welcome");
        QTest::newRow("a stop name") << "北部車庫"
                                     << "ご乗車ありがとうございます。このバスは、北部車庫行きです。";
        QTest::newRow("a headsign saying 行") << "駅前行"
                                              << "ご乗車ありがとうございます。このバスは、駅前行です。";
    }

    void announcements()
    {
        QFETCH(QString, destination);
        QFETCH(QString, welcome);
        const QList<TapeEntry> tape = GtfsRules::announcements({"中央", "本町", "北部車庫"}, destination);
        QCOMPARE(tape,
                 (QList<TapeEntry>{{welcome, 0, 0},
                                   {QStringLiteral("次は、本町です。"), 1, 1},
                                   {QStringLiteral("次は、終点、北部車庫です。"), 1, 1}}));
    }
};

QTEST_GUILESS_MAIN(tst_GtfsRules)
#include "tst_GtfsRules.moc"
