#pragma once

#include "GtfsSource.h"
#include "YomiFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

// A route of a GTFS-JP feed made into the files of a route: its fare data,
// its announcements and the readings of its stop names.
namespace GtfsImport {

struct Options
{
    QByteArray tripId; // the trip whose stops to take instead of the route's pattern
    bool merge = true; // stops of one fare zone share a ticket number
};

struct Route
{
    QByteArray id;
    QString shortName;
    QString longName;
    int trips = 0;
    int stops = 0;   // of its stop pattern
    int tickets = 0; // ticket numbers the pattern needs
    QString problem; // why it could not be imported, when it cannot
};

// Every route of the feed, in the order of routes.txt.
std::variant<std::vector<Route>, GtfsProblem> routes(GtfsSource &source);

struct Result
{
    QString routeName; // short/long
    QByteArray hy3;
    QByteArray tape;
    QList<YomiFile::Entry> readings;
    int stops = 0;
    int tickets = 0;
    int faresFound = 0;
    int faresMissing = 0;
    QStringList warnings;
};

std::variant<Result, GtfsProblem> importRoute(GtfsSource &source, const QByteArray &routeId,
                                              const Options &options = {});

} // namespace GtfsImport
