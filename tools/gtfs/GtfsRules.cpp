#include "GtfsRules.h"

#include <QMap>

#include <algorithm>
#include <map>

namespace GtfsRules {

std::optional<size_t> patternTrip(const std::vector<TripStops> &trips)
{
    struct Pattern
    {
        int trips = 0;
        size_t firstTrip = 0; // the first trip, in the order given, that runs it
    };
    std::map<std::vector<int>, Pattern> patterns;
    for (size_t i = 0; i < trips.size(); ++i) {
        if (trips[i].stops.empty())
            continue;
        auto [it, added] = patterns.try_emplace(trips[i].stops, Pattern{0, i});
        ++it->second.trips;
    }
    std::optional<size_t> best;
    const std::vector<int> *bestStops = nullptr;
    int bestTrips = 0;
    for (const auto &[stops, p] : patterns) {
        const bool better = !best || p.trips > bestTrips
            || (p.trips == bestTrips
                && (stops.size() > bestStops->size()
                    || (stops.size() == bestStops->size()
                        && trips[p.firstTrip].tripId < trips[*best].tripId)));
        if (better) {
            best = p.firstTrip;
            bestStops = &stops;
            bestTrips = p.trips;
        }
    }
    return best;
}

std::optional<qint16> parsePrice(QByteArrayView written)
{
    QByteArrayView whole = written.trimmed();
    const qsizetype dot = whole.indexOf('.');
    if (dot >= 0) {
        const QByteArrayView fraction = whole.sliced(dot + 1);
        if (!std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; }))
            return std::nullopt;
        whole = whole.first(dot);
    }
    if (whole.isEmpty() || whole == "-" || whole == "+")
        return std::nullopt;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const char c = whole[i];
        if (!(c >= '0' && c <= '9') && !(i == 0 && (c == '-' || c == '+')))
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong yen = whole.toLongLong(&ok);
    if (!ok || yen < -32768 || yen > 32767)
        return std::nullopt;
    return qint16(yen);
}

std::variant<Fares, PricedRule> fares(const std::vector<QByteArray> &zones, const QByteArray &routeId,
                                      const std::vector<PricedRule> &rules)
{
    // The cheapest price of each (origin, destination), empty meaning any.
    QMap<std::pair<QByteArray, QByteArray>, qint16> cheapest;
    for (const PricedRule &r : rules) {
        if (!r.routeId.isEmpty() && r.routeId != routeId)
            continue;
        if (!r.price)
            return r;
        const std::pair<QByteArray, QByteArray> key{r.origin, r.destination};
        const auto it = cheapest.find(key);
        if (it == cheapest.end() || *r.price < *it)
            cheapest.insert(key, *r.price);
    }

    const size_t n = zones.size();
    Fares out;
    out.fare.assign(n, std::vector<qint16>(n, 0));
    QMap<std::pair<QByteArray, QByteArray>, std::optional<qint16>> byZones;
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = a + 1; b < n; ++b) {
            const std::pair<QByteArray, QByteArray> pair{zones[a], zones[b]};
            auto known = byZones.find(pair);
            if (known == byZones.end()) {
                std::optional<qint16> price;
                for (const auto &key :
                     {pair, std::pair{QByteArray(), zones[b]}, std::pair{zones[a], QByteArray()},
                      std::pair{QByteArray(), QByteArray()}}) {
                    const auto it = cheapest.constFind(key);
                    if (it != cheapest.cend() && (!price || *it < *price))
                        price = *it;
                }
                known = byZones.insert(pair, price);
            }
            if (*known) {
                out.fare[a][b] = **known;
                ++out.found;
            } else {
                ++out.missing;
            }
        }
    }
    return out;
}

std::vector<int> ticketNumbers(const Fares &f, bool merge)
{
    const size_t n = f.fare.size();
    std::vector<int> ticket(n, 0);
    if (n == 0)
        return ticket;
    size_t groupFirst = 0;
    int number = 1;
    ticket[0] = 1;
    for (size_t j = 1; j + 1 < n; ++j) {
        bool same = merge;
        for (size_t k = j + 1; same && k < n; ++k)
            same = f.fare[groupFirst][k] == f.fare[j][k];
        if (!same) {
            ++number;
            groupFirst = j;
        }
        ticket[j] = number;
    }
    if (n > 1)
        ticket[n - 1] = ticket[n - 2];
    return ticket;
}

std::vector<HyRecord> rows(const QStringList &names, const std::vector<int> &tickets, const Fares &f)
{
    const size_t n = tickets.size();
    // The first stop of each ticket number.
    std::vector<size_t> first;
    for (size_t j = 0; j + 1 < n; ++j) {
        if (size_t(tickets[j]) > first.size())
            first.push_back(j);
    }
    std::vector<HyRecord> out(n);
    for (size_t i = 0; i < n; ++i) {
        HyRecord &r = out[i];
        r.TeiName = names.value(qsizetype(i));
        r.SeiriNo = qint16(tickets[i]);
        for (size_t k = 0; k < first.size() && int(k) < HyRecord::ColCount; ++k) {
            if (first[k] < i)
                r.Col[k + 1] = f.fare[first[k]][i];
        }
    }
    return out;
}

QList<TapeEntry> announcements(const QStringList &names, const QString &destination)
{
    QList<TapeEntry> out;
    // A headsign often says 行き (or 行) itself.
    const bool saysWhere = destination.endsWith(u"行き") || destination.endsWith(u'行');
    out.append({QStringLiteral("ご乗車ありがとうございます。このバスは、%1%2です。")
                    .arg(destination, saysWhere ? QString() : QStringLiteral("行き")),
                0, 0});
    for (qsizetype i = 1; i < names.size(); ++i) {
        const bool last = i + 1 == names.size();
        out.append(
            {QStringLiteral("次は、%1%2です。").arg(last ? QStringLiteral("終点、") : QString(), names[i]), 1,
             1});
    }
    return out;
}

} // namespace GtfsRules
