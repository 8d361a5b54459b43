#pragma once

#include "TicketPlugin.h"

#include <QString>

class QComboBox;
class QPainter;
class QTextEdit;

// The resource library's four plug-in calls. A path that is no usable plug-in
// gives 0 from KR4_GetPlgInfo and leaves everything else untouched.
qint32 KR4_GetPlgInfo(const QString &plgPath, PlgInfo &info);
qint32 KR4_SetPlgComment(const QString &plgPath, QTextEdit *box);
qint32 KR4_SetCorpAddList(const QString &plgPath, QComboBox *list);
// Has the ticket plug-in at plgPath draw the numbered ticket (整理券) of one
// stop onto surface. date and time are texts as the ticket prints them;
// corpIndex is the chosen company, -1 for none. The result means nothing.
qint32 KR4_DrawSeiriken(const QString &plgPath, QPainter &surface, const QString &teiName,
                        const QString &date, const QString &time, qint32 keitoNo, qint16 seiriNo, qint16 row,
                        qint16 corpIndex);
