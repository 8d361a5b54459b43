#pragma once

#include <QByteArrayView>
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
    struct Entry
    {
        QString text;
        QString reading;
        bool operator==(const Entry &) const = default;
    };

    // yomi.csv: lines "text,reading", UTF-8 or code page 932. Lines that are
    // empty, start with '#' or lack either side are passed over.
    static constexpr qint64 MaxUserFileBytes = 256 * 1024;
    static constexpr int MaxUserEntries = 4096;
    static constexpr int MaxEntryChars = 64;
    static QList<Entry> parseUserList(QByteArrayView bytes);

    Readings();
    void setUserEntries(QList<Entry> entries);

    // The text with every correction applied, left to right, the longest
    // match first; a replaced part is not looked at again.
    QString apply(const QString &text) const;

private:
    QList<Entry> m_user;
    QHash<char16_t, QList<qsizetype>> m_byFirst; // user entries by their first character
};
