#include "TicketPlugin.h"

qint32 KR4_DrawSeiriken(const QString &, QPainter &, const QString &, const QString &, const QString &,
                        qint32, qint16, qint16, qint16)
{
    // No plug-in format is read yet: every ticket is left blank.
    return 0;
}
