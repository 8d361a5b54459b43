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
