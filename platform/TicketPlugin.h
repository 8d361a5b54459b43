#pragma once

#include <QString>

class QPainter;

// Has the ticket plug-in at plgPath draw the numbered ticket (整理券) of one
// stop onto surface. date and time are texts as the ticket prints them;
// corpIndex is the chosen company, -1 for none. The result means nothing.
qint32 KR4_DrawSeiriken(const QString &plgPath, QPainter &surface, const QString &teiName,
                        const QString &date, const QString &time, qint32 keitoNo, qint16 seiriNo, qint16 row,
                        qint16 corpIndex);
