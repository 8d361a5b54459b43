#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <variant>

// Fare data as a spreadsheet: one line per stop, "name,seiri,c1,...,c150".
namespace Hy3Csv {

struct Refusal
{
    int line = 0; // 1-based line of the input where it went wrong; 0 = the file as a whole
    QString message;
};

struct Csv
{
    QByteArray text;      // UTF-8, header first, "\n" line ends
    QStringList warnings; // things that will not survive a trip back to .hy3
};

constexpr int MaxRows = 301;

// The CSV of a whole .hy3 file, every row in file order, whatever its count.
std::variant<Csv, Refusal> toCsv(QByteArrayView hy3);

// The .hy3 file of a CSV, in UTF-8 or code page 932 (TextFile's rule). The
// header line is optional, a UTF-8 byte-order mark is skipped, blank lines are skipped, and missing or empty columns are 0.
std::variant<QByteArray, Refusal> fromCsv(QByteArrayView csv);

} // namespace Hy3Csv
