// Putting one row of the route on the board.
#include "frmCtl.h"

#include "ChimeiCtl_E.h"
#include "Clock.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "PanelRules.h"
#include "PictureBox.h"
#include "Session.h"
#include "frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>

QString frmCtl::ticketDate(const SeiriPrevInfo &preview) const
{
    if (preview.DateByPrint != 0)
        return m_session.clock.now().toString(QStringLiteral("MM-dd-yyyy"));
    if (preview.DateByKeito != 0)
        return KeitoDate;
    return preview.FixedDate;
}

void frmCtl::drawPreview(qint16 nIndex)
{
    if (nIndex < 1 || nIndex > DataIo::TableRows)
        return;
    const SeiriPrevInfo preview = m_session.options->settings().SeiriPrevInfo;
    const HyRecord &row = m_session.dataIo.HyTable[nIndex];
    const QString date = ticketDate(preview);
    picSeirikenPrev->Cls();
    if (preview.UseSeiriPrev != 0) {
        {
            QPainter surface(&picSeirikenPrev->Image());
            drawSeiriken(preview.SeiriPlgPath, surface, row.TeiName, date,
                         m_session.clock.now().toString(QStringLiteral("HH:mm:ss")),
                         qint32(leadingNumber(m_session.dataIo.KeitoNo)), row.SeiriNo, nIndex,
                         qint16(Combo1->currentIndex()));
        }
        picSeirikenPrev->Refresh();
    }
}

void frmCtl::DispData(qint16 nIndex)
{
    if (nIndex < 1 || nIndex > DataIo::TableRows)
        return;
    Form1 &board = *m_session.form1;
    const DataIo &route = m_session.dataIo;
    const HyRecord &row = route.HyTable[nIndex];
    const quint64 refresh = ++m_refreshes;

    const PanelRules::CellValues cells =
        PanelRules::cellValues(row, nIndex, route.KukanNo, Check2->isChecked(), route.KeitoNo,
                               m_session.options->settings().DegitInfo);
    for (int k = 1; k <= BoardLayout::CellCount; ++k) {
        if (cells[k])
            board.Degit[k]->setValue(*cells[k]);
    }

    drawPreview(nIndex);

    letPendingEventsRun();
    // A click held back by a wait may have refreshed the board with a later
    // row meanwhile: its name stands, not this row's over its fares.
    if (refresh != m_refreshes)
        return;
    board.ChimeiCtl->SetChimei(row.TeiName);
}

void frmCtl::letPendingEventsRun()
{
    QCoreApplication::processEvents();
}
