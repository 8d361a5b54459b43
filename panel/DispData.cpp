// Putting one row of the route on the board.
#include "frmCtl.h"

#include "App.h"
#include "ChimeiCtl_E.h"
#include "Clock.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "PictureBox.h"
#include "frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>

namespace {

// A cell of the board by its list index (コマ 0..23); none for an index no list holds.
M_DegitEm *cellOf(Form1 &board, int koma)
{
    return koma >= 0 && koma < BoardLayout::CellCount ? board.Degit[koma + 1] : nullptr;
}

} // namespace

QString frmCtl::ticketDate() const
{
    const frmOption &option = *m_app.options;
    if (option.DateByPrint())
        return m_app.clock.now().toString(QStringLiteral("MM-dd-yyyy"));
    if (option.DateByKeito())
        return KeitoDate;
    return option.FixedDate();
}

void frmCtl::drawPreview(qint16 nIndex)
{
    if (nIndex < 1 || nIndex > DataIo::TableRows)
        return;
    const frmOption &option = *m_app.options;
    const HyRecord &row = m_app.dataIo.HyTable[nIndex];
    const QString date = ticketDate();
    picSeirikenPrev->Cls();
    if (option.UseSeiriPrev() == 1) {
        {
            QPainter surface(&picSeirikenPrev->Image());
            drawSeiriken(option.SeiriPlgPath(), surface, row.TeiName, date,
                         m_app.clock.now().toString(QStringLiteral("HH:mm:ss")),
                         qint32(leadingNumber(m_app.dataIo.KeitoNo)), row.SeiriNo, nIndex,
                         qint16(Combo1->currentIndex()));
        }
        picSeirikenPrev->Refresh();
    }
}

void frmCtl::DispData(qint16 nIndex)
{
    if (nIndex < 1 || nIndex > DataIo::TableRows)
        return;
    Form1 &board = *m_app.form1;
    const frmOption &option = *m_app.options;
    const HyRecord &row = m_app.dataIo.HyTable[nIndex];
    const quint64 refresh = ++m_refreshes;

    for (int i = m_app.dataIo.KukanNo; i <= BoardLayout::CellCount; ++i) {
        if (i < 1)
            continue;
        // Doubled wide: a fare past 16383 still doubles; the -1 marker stays.
        int v = row.Col[i];
        if (Check2->isChecked() && v != -1)
            v *= 2;
        board.Degit[i]->setValue(v >= -32768 && v <= 32767 ? QVariant(qint16(v)) : QVariant(v));
    }

    // The information digits, each over the fare of its cell and over the one before.
    if (option.ShowStopNo() == 1) {
        if (M_DegitEm *cell = cellOf(board, option.StopNoKoma()))
            cell->setValue(qint16(option.StopNoFromZero() == 1 ? nIndex - 1 : nIndex));
    }
    if (option.ShowSeiriNo() == 1) {
        if (M_DegitEm *cell = cellOf(board, option.SeiriNoKoma()))
            cell->setValue(row.SeiriNo);
    }
    if (option.ShowKeitoNo() == 1) {
        if (M_DegitEm *cell = cellOf(board, option.KeitoNoKoma()))
            cell->setValue(m_app.dataIo.KeitoNo);
    }
    if (option.ShowDataCol() == 1) {
        const int column = option.DataColNo() + 1;
        M_DegitEm *cell = cellOf(board, option.DataColKoma());
        if (cell && column >= 1 && column <= HyRecord::ColCount)
            cell->setValue(row.Col[column]);
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
