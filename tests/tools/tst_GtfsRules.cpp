#include "GtfsRules.h"

#include <QTest>

using namespace GtfsRules;

namespace {

using Matrix = QList<QList<int>>; // upper triangle of fares, row a, column b

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
        using T = std::vector<TripStops>;
        QTest::addColumn<T>("trips");
        QTest::addColumn<int>("chosen"); // -1: none
        QTest::newRow("most trips, then the longest")
            << T{{"a", {1, 2, 3}}, {"b", {1}}, {"c", {1, 2}}, {"d", {1}}, {"e", {1, 2}}} << 2;
        QTest::newRow("trips without stops run nothing") << T{{"a", {}}, {"b", {}}, {"c", {5, 6}}} << 2;
        // T10 sorts before T9 as a string; T1 and T2 are no pattern's first trip.
        QTest::newRow("equal counts and lengths: the first trips' ids in plain string order")
            << T{{"T9", {1, 2}}, {"T10", {2, 1}}, {"T1", {1, 2}}, {"T2", {2, 1}}} << 1;
        QTest::newRow("no stops at all") << T{{"a", {}}} << -1;
    }

    void patternTrip()
    {
        QFETCH(std::vector<TripStops>, trips);
        QFETCH(int, chosen);
        const std::optional<size_t> got = GtfsRules::patternTrip(trips);
        QCOMPARE(got ? int(*got) : -1, chosen);
    }

    void fares_data()
    {
        QTest::addColumn<std::vector<PricedRule>>("rules");
        QTest::addColumn<Matrix>("expected");
        QTest::addColumn<int>("missing");
        // Stops in zones A, B and C.
        QTest::newRow("the cheapest that match, one way; other routes' rules, bad prices too, do not")
            << std::vector{rule("R", "A", "B", 300), rule("", "A", "B", 250),
                           rule("X", "A", "B", 100), PricedRule{"X", "A", "B", std::nullopt, "210.5", 7},
                           rule("R", "B", "A", 90),  rule("R", "A", "", 400),
                           rule("", "", "", 500)}
            << Matrix{{0, 250, 400}, {0, 0, 500}, {0, 0, 0}} << 0;
        QTest::newRow("nothing matches: 0, counted")
            << std::vector{rule("R", "A", "B", 180)} << Matrix{{0, 180, 0}, {0, 0, 0}, {0, 0, 0}} << 2;
    }

    void fares()
    {
        QFETCH(std::vector<PricedRule>, rules);
        QFETCH(Matrix, expected);
        QFETCH(int, missing);
        auto got = GtfsRules::fares({"A", "B", "C"}, "R", rules);
        QVERIFY(std::holds_alternative<Fares>(got));
        const Fares &f = std::get<Fares>(got);
        Matrix m;
        for (const std::vector<qint16> &row : f.fare)
            m << QList<int>(row.begin(), row.end());
        QCOMPARE(m, expected);
        QCOMPARE(f.missing, missing);
        QCOMPARE(f.found + f.missing, 3);
    }

    void aBadPriceRefusesItsRoute()
    {
        auto refused = GtfsRules::fares(
            {"A", "B"}, "R", {rule("R", "A", "B", 180), {"R", "A", "B", std::nullopt, "210.5", 7}});
        QVERIFY(std::holds_alternative<PricedRule>(refused));
        QCOMPARE(std::get<PricedRule>(refused).line, 7);
    }
};

QTEST_GUILESS_MAIN(tst_GtfsRules)
#include "tst_GtfsRules.moc"
