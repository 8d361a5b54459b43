#include "PanelRules.h"

#include <algorithm>

namespace PanelRules {

CellValues cellValues(const HyRecord &row, int rowNumber, int kukanNo, bool lateNight, const QString &keitoNo,
                      const DegitInfo &info)
{
    CellValues cells;
    for (int i = std::max(kukanNo, 1); i <= CellCount; ++i) {
        // Doubled wide: a fare past 16383 still doubles.
        int v = row.Col[i];
        if (lateNight && v != -1)
            v *= 2;
        cells[i] = v >= -32768 && v <= 32767 ? QVariant(qint16(v)) : QVariant(v);
    }

    // Information digits name their cell by list row (コマ 0..23); a row no list holds names none.
    auto put = [&cells](int koma, const QVariant &value) {
        if (koma >= 0 && koma < CellCount)
            cells[koma + 1] = value;
    };
    if (info.ShowStopNo != 0)
        put(info.StopNoKoma, qint16(info.StopNoFromZero != 0 ? rowNumber - 1 : rowNumber));
    if (info.ShowSeiriNo != 0)
        put(info.SeiriNoKoma, row.SeiriNo);
    if (info.ShowKeitoNo != 0)
        put(info.KeitoNoKoma, keitoNo);
    if (info.ShowDataCol != 0) {
        const int column = info.DataColNo + 1;
        if (column >= 1 && column <= HyRecord::ColCount)
            put(info.DataColKoma, row.Col[column]);
    }
    return cells;
}

QString soundForFlag(int flag, const QString &sound1, const QString &sound2, const QString &sound3)
{
    switch (flag) {
    case 1:
        return sound1;
    case 2:
        return sound2;
    case 3:
        return sound3;
    default:
        return QString();
    }
}

qint16 sectionNumber(qint64 keyed)
{
    return qint16(keyed <= 0 ? 1 : std::min<qint64>(keyed, LastSection));
}

bool isKeyedNumber(QStringView text, int maxDigits)
{
    return text.size() <= maxDigits
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace PanelRules
