#pragma once

#include <QString>

class Session;

// What is particular to this model's board (109): blanking its cells, its
// start-up defaults, and the 整理券 (numbered ticket) number row above the cells.
class mdl109_000
{
public:
    // The ticket-number row's typefaces: the digit face, and the one for words.
    static QString digitFace() { return QStringLiteral("ソルテ数字平体"); }
    static QString wordFace() { return QStringLiteral("ＭＳ Ｐゴシック"); }
    // The ticket numbers' green with the backlight off, and the brighter one when on.
    static constexpr qint32 SeiriNumColorOff = 0x008000;
    static constexpr qint32 SeiriNumColorOn = 0x00C000;
    // Schemes 0..11 of SeiriNumFormat.
    static constexpr int SchemeCount = 12;

    explicit mdl109_000(Session &session)
        : m_session(session)
    {
    }

    // Every fare cell blank, its modes kept.
    void ResetAllDegit();
    // Writes the ticket numbers above the cells in numbering scheme Index (0..11)
    // with two digits when Zero is not 0. Label 1 may instead carry a word.
    void SeirikenNumSet(qint16 Index, qint16 Zero);
    // The ticket-number row on, its three colours, the board picture of
    // imgRes(0) as the window's and every backlight state's picture, and the
    // options applied to the displays.
    void SetModelDefaults();

    // Ticket number n as a label shows it: full-width, two places when zero-filled.
    static QString seirikenNumberText(int n, bool zero);
    // Each ASCII digit turned into its full-width form; everything else kept.
    static QString toFullWidthDigits(const QString &text);
    // The word label 1 carries in scheme Index; empty for schemes 0 and 1, 10, 11 and beyond.
    static QString seirikenWord(int Index);

private:
    Session &m_session;
};
