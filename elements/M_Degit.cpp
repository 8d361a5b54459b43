#include "M_Degit.h"

#include "DegitFace.h"
#include "DegitText.h"
#include "OleColor.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

// The face is drawn at this em and scaled to the cell, so any cell size keeps
// whole segments and exact place widths.
constexpr int ReferenceEm = 100;

// The unit's face was drawn one pixel above the top edge, where its internal
// leading left that row empty. DSEG has no leading and its digits start at the
// top of the em, so the one pixel is given back: the digits fill rows 0 to
// height - 1 and the top segment stays whole.
constexpr qreal TextTop = -1.0;
constexpr qreal Leading = 1.0;

} // namespace

M_Degit::M_Degit(Dialogs &dialogs, QWidget *parent)
    : DegitElement(dialogs, parent)
{
}

void M_Degit::setShift(qint16 New_Shift)
{
    m_Shift = clampedShift(New_Shift);
    markChanged("Shift");
}

void M_Degit::setKeta(qint16 New_Keta)
{
    m_Keta = New_Keta;
    markChanged("Keta");
    if (m_Keta < 1 || m_Keta > 15)
        m_Keta = 4;
    fitToCells();
    redraw();
}

void M_Degit::setDegitSize(qint16 New_DegitSize)
{
    m_DegitSize = New_DegitSize;
    markChanged("DegitSize");
    if (m_DegitSize < 1 || m_DegitSize > 3)
        m_DegitSize = 0;
    fitToCells();
    redraw();
}

void M_Degit::fitToCells()
{
    const DegitFace::CellSize cell = DegitFace::cellSize(m_DegitSize);
    resize(cell.width * m_Keta, cell.height);
}

void M_Degit::DrawDegit(const QVariant &value, qint32 unlitColor, qint32 litColor)
{
    const DegitFace::CellSize cell = DegitFace::cellSize(m_DegitSize);
    QFont font(DegitFace::family(m_DegitStyle));
    font.setBold(m_bold);
    font.setPixelSize(ReferenceEm);
    const QFontMetricsF metrics(font);
    const qreal scaleX = cell.width / metrics.horizontalAdvance(QLatin1Char('8'));
    const qreal scaleY = cell.height / metrics.height();
    if (m_charSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, m_charSpacing / scaleX);

    const QString lit = DegitFace::shown(DegitText::forDegit(value, m_ZeroMode, m_FillZero, m_Shift, m_Keta));
    const QString unlit(std::max<int>(m_Keta, 0), QLatin1Char('8'));

    QImage &surface = clearedSurface();
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    const QFontMetricsF scaled(font);
    const int litWidth = qRound(scaled.horizontalAdvance(lit) * scaleX);
    auto draw = [&](qreal x, const QString &text, qint32 color) {
        painter.save();
        painter.translate(x, TextTop + Leading);
        painter.scale(scaleX, scaleY);
        painter.setPen(oleColor(color));
        painter.drawText(QPointF(0, scaled.ascent()), text);
        painter.restore();
    };
    draw(0, unlit, unlitColor);
    draw(width() - litWidth, lit, litColor);
}
