#include "GtfsImport.h"

#include "Cp932.h"
#include "GtfsFeed.h"
#include "GtfsRules.h"

#include <QSet>

namespace GtfsImport {

namespace {

QString routeName(const GtfsFeed::Route &r)
{
    return r.shortName + u'/' + r.longName;
}

// Each rule with the cheapest price of its fare_id; with no rules and one
// fare, that fare everywhere.
std::vector<GtfsRules::PricedRule> pricedRules(const GtfsFeed &feed)
{
    std::vector<GtfsRules::PricedRule> out;
    auto priced = [&](const QByteArray &fareId, GtfsRules::PricedRule rule) {
        const auto it = feed.fares.constFind(fareId);
        if (it == feed.fares.cend())
            return; // a rule of a fare that has no price prices nothing
        for (const GtfsFeed::Fare &f : *it) {
            const std::optional<qint16> price = GtfsRules::parsePrice(f.price);
            if (!price) {
                rule.price.reset();
                rule.written = f.price;
                rule.line = f.line;
                break;
            }
            if (!rule.price || *price < *rule.price)
                rule.price = price;
        }
        out.push_back(std::move(rule));
    };
    if (feed.fareRuleCount == 0) {
        if (feed.fares.size() == 1)
            priced(feed.fares.constBegin().key(), {});
        return out;
    }
    for (const GtfsFeed::FareRule &r : feed.fareRules)
        priced(r.fareId, {r.routeId, r.origin, r.destination, std::nullopt, {}, 0});
    return out;
}

struct Built
{
    const GtfsFeed::Trip *trip = nullptr; // set whenever a Built is returned
    GtfsRules::Fares fares;
    std::vector<int> tickets;
};

std::variant<Built, GtfsProblem> build(const GtfsFeed &feed, const GtfsFeed::Route &route,
                                       const Options &options,
                                       const std::vector<GtfsRules::PricedRule> &rules)
{
    const QString routeText = QString::fromUtf8(route.id);
    static const std::vector<GtfsFeed::Trip> none;
    const auto found = feed.tripsOf.constFind(route.id);
    const std::vector<GtfsFeed::Trip> &trips = found == feed.tripsOf.cend() ? none : *found;
    if (const auto problem = feed.routeProblems.constFind(route.id); problem != feed.routeProblems.cend())
        return *problem;
    if (trips.empty())
        return GtfsProblem{QStringLiteral("trips.txt"), 0,
                           QStringLiteral("route %1 has no trips").arg(routeText)};
    Built b;
    if (!options.tripId.isEmpty()) {
        for (const GtfsFeed::Trip &t : trips) {
            if (t.id == options.tripId)
                b.trip = &t;
        }
        if (!b.trip)
            return GtfsProblem{
                QStringLiteral("trips.txt"), 0,
                QStringLiteral("route %1 has no trip %2").arg(routeText, QString::fromUtf8(options.tripId))};
    } else {
        std::vector<GtfsRules::TripStops> lists;
        for (const GtfsFeed::Trip &t : trips)
            lists.push_back({t.id, t.stops});
        if (const auto chosen = GtfsRules::patternTrip(lists))
            b.trip = &trips[*chosen];
    }
    if (!b.trip || b.trip->stops.empty())
        return GtfsProblem{QStringLiteral("stop_times.txt"), 0,
                           QStringLiteral("no stop times for the trips of route %1").arg(routeText)};
    if (b.trip->stops.size() < 2)
        return GtfsProblem{QStringLiteral("stop_times.txt"), 0,
                           QStringLiteral("the stop pattern of route %1 has only one stop").arg(routeText)};
    if (b.trip->stops.size() > size_t(GtfsRules::MaxStops))
        return GtfsProblem{
            QStringLiteral("stop_times.txt"), 0,
            QStringLiteral("the stop pattern of route %1 has %2 stops; a route holds at most %3")
                .arg(routeText)
                .arg(b.trip->stops.size())
                .arg(GtfsRules::MaxStops)};
    std::vector<QByteArray> zones;
    for (int s : b.trip->stops)
        zones.push_back(feed.stops[size_t(s)].zone);
    auto fares = GtfsRules::fares(zones, route.id, rules);
    if (const auto *bad = std::get_if<GtfsRules::PricedRule>(&fares))
        return GtfsProblem{QStringLiteral("fare_attributes.txt"), bad->line,
                           QStringLiteral("price \"%1\" is not a whole number of yen in -32768..32767")
                               .arg(QString::fromUtf8(bad->written))};
    b.fares = std::move(std::get<GtfsRules::Fares>(fares));
    b.tickets = GtfsRules::ticketNumbers(b.fares, options.merge);
    if (b.tickets.back() > GtfsRules::MaxTickets)
        return GtfsProblem{QStringLiteral("fare_rules.txt"), 0,
                           QStringLiteral("route %1 needs %2 ticket numbers; a route holds at most %3")
                               .arg(routeText)
                               .arg(b.tickets.back())
                               .arg(GtfsRules::MaxTickets)};
    return b;
}

} // namespace

std::variant<std::vector<Route>, GtfsProblem> routes(GtfsSource &source)
{
    auto read = GtfsFeed::read(source);
    if (auto *problem = std::get_if<GtfsProblem>(&read))
        return *problem;
    const GtfsFeed &feed = std::get<GtfsFeed>(read);
    const std::vector<GtfsRules::PricedRule> rules = pricedRules(feed);
    std::vector<Route> out;
    for (const GtfsFeed::Route &r : feed.routes) {
        Route line{r.id, r.shortName, r.longName, r.trips, 0, 0, {}};
        if (r.trips > 0) {
            auto built = build(feed, r, {}, rules);
            if (auto *problem = std::get_if<GtfsProblem>(&built)) {
                line.problem = problem->text();
            } else {
                const Built &b = std::get<Built>(built);
                line.stops = int(b.trip->stops.size());
                line.tickets = b.tickets.back();
            }
        }
        out.push_back(std::move(line));
    }
    return out;
}

std::variant<Result, GtfsProblem> importRoute(GtfsSource &source, const QByteArray &routeId,
                                              const Options &options)
{
    auto read = GtfsFeed::read(source, routeId);
    if (auto *problem = std::get_if<GtfsProblem>(&read))
        return *problem;
    const GtfsFeed &feed = std::get<GtfsFeed>(read);
    const GtfsFeed::Route *route = feed.route(routeId);
    if (!route)
        return GtfsProblem{QStringLiteral("routes.txt"), 0,
                           QStringLiteral("no route %1").arg(QString::fromUtf8(routeId))};
    auto built = build(feed, *route, options, pricedRules(feed));
    if (auto *problem = std::get_if<GtfsProblem>(&built))
        return *problem;
    const Built &b = std::get<Built>(built);

    Result r;
    r.routeName = routeName(*route);
    r.warnings = feed.warnings;
    QStringList names;
    QSet<int> told;
    for (int s : b.trip->stops) {
        const GtfsFeed::Stop &stop = feed.stops[size_t(s)];
        names << stop.name;
        const QString written = Cp932::decode(Cp932::encode(stop.name));
        if (written != stop.name && !told.contains(s)) {
            told.insert(s);
            r.warnings << QStringLiteral(
                              "stop %1 \"%2\": code page 932 cannot hold it all; written as \"%3\"")
                              .arg(QString::fromUtf8(stop.id), stop.name, written);
        }
        QString reading = feed.readingById.value(stop.id);
        if (reading.isEmpty())
            reading = feed.readingByName.value(stop.name);
        if (reading.isEmpty())
            reading = feed.readingByRecordName.value(stop.name);
        if (!reading.isEmpty())
            r.readings.append({stop.name, reading});
    }
    const QString destination = b.trip->headsign.isEmpty() ? names.back() : b.trip->headsign;
    if (const QString written = Cp932::decode(Cp932::encode(destination)); written != destination)
        r.warnings << QStringLiteral("headsign \"%1\": code page 932 cannot hold it all; written as \"%2\"")
                          .arg(destination, written);

    r.hy3 = Hy3File::write(GtfsRules::rows(names, b.tickets, b.fares));
    r.tape = TapeFile::write(GtfsRules::announcements(names, destination));
    r.stops = int(b.trip->stops.size());
    r.tickets = b.tickets.back();
    r.faresFound = b.fares.found;
    r.faresMissing = b.fares.missing;
    if (r.faresMissing > 0)
        r.warnings << QStringLiteral("%1 of %2 fares between the stops matched no fare rule; they are 0")
                          .arg(r.faresMissing)
                          .arg(r.faresFound + r.faresMissing);
    if (r.tickets > GtfsRules::BoardTickets)
        r.warnings << QStringLiteral("%1 ticket numbers; the board shows the fares of numbers 1 to %2 only")
                          .arg(r.tickets)
                          .arg(GtfsRules::BoardTickets);
    return r;
}

} // namespace GtfsImport
