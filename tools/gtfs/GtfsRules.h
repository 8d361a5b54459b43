#pragma once

#include "Hy3File.h"
#include "TapeFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// How a route of a feed becomes a fare table: which stops, which fares, which
// ticket numbers. Pure functions over plain data, apart from any file.
namespace GtfsRules {

// A route may have no more stops than a fare data file has rows, and no more
// ticket numbers than it has columns.
constexpr int MaxStops = 301;
constexpr int MaxTickets = 150;
// The board shows ticket numbers 1..24.
constexpr int BoardTickets = 24;

struct TripStops
{
    QByteArray tripId;
    std::vector<int> stops;
};

// The index of the trip whose stop list is the route's stop pattern: the list
// most trips run; among equals the longest; among those the one whose first
// trip (in the order given, that of trips.txt) has the trip_id that sorts
// first. That first trip is the one returned. Trips without stops run no
// pattern. Nothing when no trip has stops.
std::optional<size_t> patternTrip(const std::vector<TripStops> &trips);

// One row of fare_rules.txt with the cheapest price its fare_id has; when a
// price of that fare_id is no whole number of yen in 16 bits, none, and that
// price as written with its line of fare_attributes.txt.
struct PricedRule
{
    QByteArray routeId;
    QByteArray origin;
    QByteArray destination;
    std::optional<qint16> price;
    QByteArray written;
    int line = 0;
};

// "210" and "210.0" are 210; "210.5", "abc" and 40000 are not a price.
std::optional<qint16> parsePrice(QByteArrayView written);

struct Fares
{
    // fare[a][b] for stops a < b of the pattern; 0 where no rule matched.
    std::vector<std::vector<qint16>> fare;
    int found = 0;   // pairs a < b that a rule priced
    int missing = 0; // pairs a < b that none did
};

// The fares between the stops of a pattern, given each stop's zone_id: for
// each pair the cheapest price of the rules whose route, origin and
// destination are empty or match. A rule of the route without a price
// refuses them all: it is given back.
std::variant<Fares, PricedRule> fares(const std::vector<QByteArray> &zones, const QByteArray &routeId,
                                      const std::vector<PricedRule> &rules);

// The ticket number (1-based) of each stop: stops that board at the same fare
// to every later stop share one, unless merge is off; the last stop has the
// number of the one before it.
std::vector<int> ticketNumbers(const Fares &fares, bool merge);

// Row i is stop i: its name, its ticket number, and in column k the fare from
// the first stop of ticket k when that stop comes before it.
std::vector<HyRecord> rows(const QStringList &names, const std::vector<int> &tickets, const Fares &fares);

// A welcome naming the destination, then "next stop" for every later stop;
// those move the board and sound the chime 1.
QList<TapeEntry> announcements(const QStringList &names, const QString &destination);

} // namespace GtfsRules
