#pragma once

#include "Hy3File.h"
#include "IniData.h"

#include <QString>
#include <QVariant>

#include <array>
#include <optional>

// What the operating panel decides, apart from its windows: the handlers ask
// these and apply the answers to the controls.
namespace PanelRules {

constexpr int CellCount = IniRecord::CellCount;
constexpr int LastSection = 300;

// What each fare cell 1..24 of the board is given for one row of the route;
// a cell without a value keeps what it shows. The fares go from the cell of
// the section on, doubled late at night (the -1 marker stays), each as a
// 16-bit number while it fits; then the information digits the settings
// switch on, each over what the cells were given before it: the stop's row
// number (rowNumber, or one less when counted from zero), its ticket number,
// the route as keyed in, and a data column of the row.
using CellValues = std::array<std::optional<QVariant>, CellCount + 1>;
CellValues cellValues(const HyRecord &row, int rowNumber, int kukanNo, bool lateNight, const QString &keitoNo,
                      const DegitInfo &info);

// The sound that a flag 1, 2 or 3 of a data column or an announcement chooses; none for any other flag.
QString soundForFlag(int flag, const QString &sound1, const QString &sound2, const QString &sound3);

// The section a route setting takes from the number keyed in: 1 for none or
// 0, at most the last section.
qint16 sectionNumber(qint64 keyed);

// Whether text could stand in a keypad display of maxDigits: decimal digits
// only, at most that many (none too).
bool isKeyedNumber(QStringView text, int maxDigits);

} // namespace PanelRules
