#include "GtfsFeed.h"

#include "Cp932.h"
#include "GtfsCsv.h"
#include "TextFile.h"

#include <algorithm>
#include <optional>

namespace {

QByteArray bytes(QByteArrayView v)
{
    return v.toByteArray();
}

QString text(QByteArrayView v)
{
    return QString::fromUtf8(v);
}

// Looks a key up without copying it.
QByteArray key(QByteArrayView v)
{
    return QByteArray::fromRawData(v.data(), v.size());
}

// A table read whole and turned into UTF-8: GTFS asks for UTF-8, but files
// saved from a Japanese spreadsheet may be Shift-JIS.
struct Table
{
    QString name;
    QByteArray bytes;
    bool present = false;
};

std::variant<Table, GtfsProblem> load(GtfsSource &source, const QString &name, bool required,
                                      QStringList &warnings)
{
    auto read = source.read(name);
    if (auto *problem = std::get_if<GtfsProblem>(&read))
        return *problem;
    std::optional<QByteArray> &found = std::get<std::optional<QByteArray>>(read);
    if (!found) {
        if (required)
            return GtfsProblem{name, 0, QStringLiteral("missing: this is not a GTFS feed")};
        return Table{name, {}, false};
    }
    Table t{name, std::move(*found), true};
    if (!TextFile::isAscii(t.bytes) && TextFile::detect(t.bytes) == TextFile::Encoding::Cp932) {
        warnings << QStringLiteral("%1: not UTF-8; read as code page 932").arg(name);
        t.bytes = Cp932::decode(t.bytes).toUtf8();
    }
    return t;
}

// The columns a table must have, looked up once.
std::variant<std::vector<int>, GtfsProblem> columns(const GtfsCsv &csv, const Table &t,
                                                    std::initializer_list<const char *> required,
                                                    std::initializer_list<const char *> optional = {})
{
    std::vector<int> out;
    for (const char *name : required) {
        const int c = csv.column(name);
        if (c < 0)
            return GtfsProblem{t.name, csv.headerLine(),
                               QStringLiteral("no %1 column").arg(QLatin1String(name))};
        out.push_back(c);
    }
    for (const char *name : optional)
        out.push_back(csv.column(name));
    return out;
}

std::optional<GtfsProblem> brokenRecord(const GtfsCsv &csv, const Table &t)
{
    if (csv.error().isEmpty())
        return std::nullopt;
    return GtfsProblem{t.name, csv.line(), csv.error()};
}

// A stop_sequence: a whole number, not negative.
std::optional<qint64> sequence(QByteArrayView v)
{
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok || n < 0)
        return std::nullopt;
    return n;
}

} // namespace

const GtfsFeed::Route *GtfsFeed::route(const QByteArray &id) const
{
    for (const Route &r : routes) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

#define GTFS_TRY(var, expr)                                                                                  \
    auto var##_result = (expr);                                                                              \
    if (auto *problem = std::get_if<GtfsProblem>(&var##_result))                                             \
        return *problem;                                                                                     \
    auto &var = std::get<0>(var##_result);

std::variant<GtfsFeed, GtfsProblem> GtfsFeed::read(GtfsSource &source, const QByteArray &onlyRoute)
{
    GtfsFeed feed;

    {
        GTFS_TRY(t, load(source, QStringLiteral("stops.txt"), true, feed.warnings));
        GtfsCsv csv(t.bytes);
        GTFS_TRY(c, columns(csv, t, {"stop_id", "stop_name"}, {"zone_id"}));
        while (csv.next()) {
            Stop s{bytes(csv.field(c[0])), text(csv.field(c[1])), bytes(csv.field(c[2]))};
            if (!feed.stopIndex.contains(s.id)) {
                feed.stopIndex.insert(s.id, int(feed.stops.size()));
                feed.stops.push_back(std::move(s));
            }
        }
        if (auto p = brokenRecord(csv, t))
            return *p;
    }
    {
        GTFS_TRY(t, load(source, QStringLiteral("routes.txt"), true, feed.warnings));
        GtfsCsv csv(t.bytes);
        GTFS_TRY(c, columns(csv, t, {"route_id"}, {"route_short_name", "route_long_name"}));
        while (csv.next())
            feed.routes.push_back({bytes(csv.field(c[0])), text(csv.field(c[1])), text(csv.field(c[2])), 0});
        if (auto p = brokenRecord(csv, t))
            return *p;
    }

    // Trips by id, pointing at their place in tripsOf.
    QHash<QByteArray, std::pair<QByteArray, int>> tripPlace;
    {
        GTFS_TRY(t, load(source, QStringLiteral("trips.txt"), true, feed.warnings));
        GtfsCsv csv(t.bytes);
        GTFS_TRY(c, columns(csv, t, {"route_id", "trip_id"}, {"trip_headsign"}));
        QHash<QByteArray, int> tripCount;
        QHash<QByteArray, QByteArray> routeOfTrip; // every trip of the feed, to find one listed twice
        while (csv.next()) {
            const QByteArray route = bytes(csv.field(c[0]));
            const QByteArray id = bytes(csv.field(c[1]));
            ++tripCount[route];
            if (const auto first = routeOfTrip.constFind(id); first != routeOfTrip.cend()) {
                // Neither trip's stops can be told apart: both routes are spoilt.
                const GtfsProblem twice{t.name, csv.line(),
                                        QStringLiteral("trip %1 is listed twice").arg(text(id))};
                feed.routeProblems.insert(*first, twice);
                feed.routeProblems.insert(route, twice);
                continue;
            }
            routeOfTrip.insert(id, route);
            if (!onlyRoute.isEmpty() && route != onlyRoute)
                continue;
            std::vector<Trip> &trips = feed.tripsOf[route];
            tripPlace.insert(id, {route, int(trips.size())});
            trips.push_back({id, text(csv.field(c[2])), {}});
        }
        if (auto p = brokenRecord(csv, t))
            return *p;
        for (Route &r : feed.routes)
            r.trips = tripCount.value(r.id);
    }
    {
        GTFS_TRY(t, load(source, QStringLiteral("stop_times.txt"), true, feed.warnings));
        GtfsCsv csv(t.bytes);
        GTFS_TRY(c, columns(csv, t, {"trip_id", "stop_id", "stop_sequence"}));
        // (sequence, stop) of each trip, sorted once all are read.
        QHash<Trip *, std::vector<std::pair<qint64, int>>> calls;
        while (csv.next()) {
            const auto place = tripPlace.constFind(key(csv.field(c[0])));
            if (place == tripPlace.cend())
                continue;
            // A fault in one trip spoils its route only: the others can still be listed.
            auto spoil = [&](const QString &message) {
                if (!feed.routeProblems.contains(place->first))
                    feed.routeProblems.insert(place->first, GtfsProblem{t.name, csv.line(), message});
            };
            const auto stop = feed.stopIndex.constFind(key(csv.field(c[1])));
            if (stop == feed.stopIndex.cend()) {
                spoil(QStringLiteral("stop %1 is not in stops.txt").arg(text(csv.field(c[1]))));
                continue;
            }
            const std::optional<qint64> seq = sequence(csv.field(c[2]));
            if (!seq) {
                spoil(
                    QStringLiteral("stop_sequence \"%1\" is not a whole number").arg(text(csv.field(c[2]))));
                continue;
            }
            Trip *trip = &feed.tripsOf[place->first][size_t(place->second)];
            calls[trip].emplace_back(*seq, *stop);
        }
        if (auto p = brokenRecord(csv, t))
            return *p;
        for (auto it = calls.begin(); it != calls.end(); ++it) {
            std::stable_sort(it->begin(), it->end(),
                             [](const auto &a, const auto &b) { return a.first < b.first; });
            for (const auto &call : *it)
                it.key()->stops.push_back(call.second);
        }
    }
    {
        GTFS_TRY(t, load(source, QStringLiteral("fare_attributes.txt"), false, feed.warnings));
        if (t.present) {
            GtfsCsv csv(t.bytes);
            GTFS_TRY(c, columns(csv, t, {"fare_id", "price"}));
            while (csv.next()) {
                feed.fares[bytes(csv.field(c[0]))].push_back({bytes(csv.field(c[1])), csv.line()});
            }
            if (auto p = brokenRecord(csv, t))
                return *p;
        }
    }
    {
        GTFS_TRY(t, load(source, QStringLiteral("fare_rules.txt"), false, feed.warnings));
        if (t.present) {
            GtfsCsv csv(t.bytes);
            GTFS_TRY(c, columns(csv, t, {"fare_id"}, {"route_id", "origin_id", "destination_id"}));
            while (csv.next()) {
                ++feed.fareRuleCount;
                const QByteArray route = bytes(csv.field(c[1]));
                // Rules of other routes can never apply.
                if (!onlyRoute.isEmpty() && !route.isEmpty() && route != onlyRoute)
                    continue;
                feed.fareRules.push_back(
                    {bytes(csv.field(c[0])), route, bytes(csv.field(c[2])), bytes(csv.field(c[3]))});
            }
            if (auto p = brokenRecord(csv, t))
                return *p;
        }
    }
    {
        GTFS_TRY(t, load(source, QStringLiteral("translations.txt"), false, feed.warnings));
        if (t.present) {
            GtfsCsv csv(t.bytes);
            const bool older = csv.column("trans_id") >= 0;
            if (older) {
                // trans_id, lang, translation: the text itself is the key.
                GTFS_TRY(c, columns(csv, t, {"trans_id", "lang", "translation"}));
                while (csv.next()) {
                    if (csv.field(c[1]).compare("ja-Hrkt", Qt::CaseInsensitive) == 0)
                        feed.readingByName.insert(text(csv.field(c[0])), text(csv.field(c[2])));
                }
            } else {
                GTFS_TRY(c,
                         columns(csv, t, {"table_name", "field_name", "language", "translation"},
                                 {"record_id", "field_value"}));
                while (csv.next()) {
                    if (csv.field(c[0]) != "stops" || csv.field(c[1]) != "stop_name"
                        || csv.field(c[2]).compare("ja-Hrkt", Qt::CaseInsensitive) != 0)
                        continue;
                    const QString reading = text(csv.field(c[3]));
                    if (!csv.field(c[4]).isEmpty())
                        feed.readingById.insert(bytes(csv.field(c[4])), reading);
                    else if (!csv.field(c[5]).isEmpty())
                        feed.readingByName.insert(text(csv.field(c[5])), reading);
                }
            }
            if (auto p = brokenRecord(csv, t))
                return *p;
            // A reading given for a station's record serves every platform of that name.
            for (auto it = feed.readingById.cbegin(); it != feed.readingById.cend(); ++it) {
                if (const auto stop = feed.stopIndex.constFind(it.key()); stop != feed.stopIndex.cend())
                    feed.readingByRecordName.insert(feed.stops[size_t(*stop)].name, it.value());
            }
        }
    }
    return feed;
}
