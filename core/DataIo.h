#pragma once

#include "Hy3File.h"
#include "RuntimeError.h"

#include <QString>

#include <array>

// The outcome of LoadHyData. The three refusals carry the message the caller
// shows as it stands; a failure carries its error number and description.
struct HyLoadResult
{
    enum Outcome { Loaded, NoRouteData, EmptyRoute, SectionBeyondData, Failed };

    Outcome outcome = Loaded;
    QString message; // the refusal's text, or the failure's description
    Failure failure; // set when outcome is Failed

    bool loaded() const { return outcome == Loaded; }
};

// The route table and the counters of the route that is set.
class DataIo
{
public:
    static constexpr int TableRows = 301;
    static constexpr int LastItem = 2 + HyRecord::ColCount; // items 1..152 of SetHyData

    static const QString MsgNoRouteData;
    static const QString MsgEmptyRoute;
    static const QString MsgSectionBeyondData;

    DataIo();

    // Rows 1..301; element 0 is never used. Rows past the loaded ones are empty.
    std::array<HyRecord, TableRows + 1> HyTable;

    QString KeitoNo;    // 系統: the route as keyed in, leading zeros kept
    qint16 KukanNo = 0; // 区間: the section of the last route setting, 1..300
    qint16 HyCount = 0; // the row count read from the last file opened
    qint16 DataPos = 0; // zero-based index of the current row

    // How many rows the table holds: HyCount of the last route that loaded.
    // A refused load sets HyCount from its own file but leaves the table, so
    // stepping goes by this, never by HyCount.
    int heldRows() const { return m_heldRows; }

    // Item 1 is the name, item 2 the ticket number, items 3..152 Col(1..150).
    // A row outside 1..301 or an item outside 1..152 is error 9; a number
    // that does not fit 16 bits is error 6.
    std::optional<Failure> SetHyData(int row, int item, const QString &value);
    std::optional<Failure> SetHyData(int row, int item, int value);
    void ClearHyData();

    // Loads fareFolder + routeText + ".hy3" for the section in KukanNo.
    // fareFolder is empty or ends in a separator. The table, DataPos and the
    // held row count change only when the whole file has been read and
    // checked; HyCount takes the file's count as soon as it is read.
    HyLoadResult LoadHyData(const QString &fareFolder, const QString &routeText);

private:
    int m_heldRows = 0;
};
