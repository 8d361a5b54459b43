#pragma once

#include "GtfsSource.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// The parts of a GTFS-JP feed that a fare display needs, read from its
// tables by column name.
struct GtfsFeed
{
    struct Stop
    {
        QByteArray id;
        QString name;
        QByteArray zone;
    };
    struct Route
    {
        QByteArray id;
        QString shortName;
        QString longName;
        int trips = 0;
    };
    struct Trip
    {
        QByteArray id;
        QString headsign;
        std::vector<int> stops; // indexes into stops, in stop_sequence order
    };
    struct Fare
    {
        QByteArray price; // as written
        int line = 0;     // of fare_attributes.txt
    };
    struct FareRule
    {
        QByteArray fareId;
        QByteArray routeId;
        QByteArray origin;
        QByteArray destination;
    };

    std::vector<Stop> stops;
    QHash<QByteArray, int> stopIndex;
    std::vector<Route> routes;                    // in the order of routes.txt
    QHash<QByteArray, std::vector<Trip>> tripsOf; // route_id -> its trips, in the order of trips.txt
    QHash<QByteArray, std::vector<Fare>> fares;   // fare_id -> its rows of fare_attributes.txt
    std::vector<FareRule> fareRules;              // those that may apply to the route read
    int fareRuleCount = 0;                        // rows of fare_rules.txt
    QHash<QByteArray, QString> readingById;       // stop_id -> its reading (ja-Hrkt)
    QHash<QString, QString> readingByName;        // stop name -> its reading
    QHash<QString, QString> readingByRecordName;  // the same, from readings given for a stop_id
    QHash<QByteArray, GtfsProblem> routeProblems; // route_id -> why its trips cannot be read
    QStringList warnings;

    // Reads the feed; with a route given, only that route's trips and their
    // stop times are kept.
    static std::variant<GtfsFeed, GtfsProblem> read(GtfsSource &source, const QByteArray &onlyRoute = {});

    const Route *route(const QByteArray &id) const;
};
