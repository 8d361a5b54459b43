#pragma once

#include "YomiFile.h"

#include <QHash>
#include <QList>
#include <QString>

// Corrections of how the synthesiser reads words of a bus announcement:
// the text is rewritten in kana where its dictionary goes wrong (お降り read
// as おふり, 〇〇行き as いき). A user list, yomi.csv beside the announcement
// files, comes first and may add route-specific names.
class Readings
{
public:
    using Entry = YomiFile::Entry;

    Readings();
    void setUserEntries(QList<Entry> entries);

    // The text with every correction applied, left to right, the longest
    // match first; a replaced part is not looked at again.
    QString apply(const QString &text) const;

private:
    QList<Entry> m_user;
    QHash<char16_t, QList<qsizetype>> m_byFirst; // user entries by their first character
};
