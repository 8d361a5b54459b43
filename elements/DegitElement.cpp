#include "DegitElement.h"

#include "Dialogs.h"
#include "OleColor.h"
#include "PropertyBag.h"

#include <QPainter>
#include <QResizeEvent>

DegitElement::DegitElement(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(52, 20); // 780 x 300 twips: four places of size step 0
}

qint32 DegitElement::ShowSetDlg()
{
    qint16 zeroMode = m_ZeroMode;
    qint16 shift = m_Shift;
    qint16 fillZero = m_FillZero;
    const qint32 result = m_dialogs.Call_dlg100(this, m_Keta, zeroMode, shift, fillZero);
    m_FillZero = fillZero;
    m_Shift = shift;
    m_ZeroMode = zeroMode;
    redraw();
    return result;
}

void DegitElement::setBaseForeColor(qint32 New_BaseForeColor)
{
    m_BaseForeColor = New_BaseForeColor;
    markChanged("BaseForeColor");
    redraw();
}

void DegitElement::setDegitForeColor(qint32 New_DegitForeColor)
{
    m_DegitForeColor = New_DegitForeColor;
    markChanged("DegitForeColor");
    redraw();
}

void DegitElement::setFillZero(qint16 New_FillZero)
{
    m_FillZero = New_FillZero > m_Keta ? m_Keta : New_FillZero;
    markChanged("FillZero");
}

void DegitElement::setZeroMode(qint16 New_ZeroMode)
{
    m_ZeroMode = New_ZeroMode >= 4 ? 0 : New_ZeroMode;
    markChanged("ZeroMode");
}

void DegitElement::setDegitStyle(qint16 New_DegitStyle)
{
    m_DegitStyle = New_DegitStyle;
    markChanged("DegitStyle");
    redraw();
}

void DegitElement::setValue(const QVariant &New_Value)
{
    m_Value = New_Value;
    markChanged("Value");
    redraw();
}

void DegitElement::ResetDegit(bool nMode)
{
    const qint16 shift = m_Shift;
    const qint16 zeroMode = m_ZeroMode;
    const qint16 fillZero = m_FillZero;
    // The fare-board element redraws on a Shift write; held here, so the lamp
    // picture is not redrawn with the shift it is about to get back.
    m_holdRedraw = true;
    setShift(0);
    setZeroMode(0);
    setFillZero(0);
    m_holdRedraw = false;
    setValue(nMode ? QVariant(QString(std::max<int>(m_Keta, 0), QLatin1Char('8'))) : QVariant(QString()));
    m_holdRedraw = true;
    setShift(shift);
    setZeroMode(zeroMode);
    setFillZero(fillZero);
    m_holdRedraw = false;
}

void DegitElement::setUserSet(bool New_UserSet)
{
    m_UserSet = New_UserSet;
    markChanged("UserSet");
}

qint32 DegitElement::hwnd() const
{
    // The native window the element draws in; a child widget shares its window's.
    return static_cast<qint32>(effectiveWinId());
}

void DegitElement::setBackColor(qint32 New_BackColor)
{
    m_BackColor = New_BackColor;
    markChanged("BackColor");
    redraw();
}

void DegitElement::setZoom(qreal zoom)
{
    if (zoom <= 0 || zoom == m_zoom)
        return;
    m_zoom = zoom;
    redraw();
}

void DegitElement::WriteProperties(PropertyBag &bag) const
{
    bag.write(QStringLiteral("BaseForeColor"), m_BaseForeColor, DefaultBaseForeColor);
    bag.write(QStringLiteral("DegitForeColor"), m_DegitForeColor, DefaultDegitForeColor);
    bag.write(QStringLiteral("FillZero"), m_FillZero, qint16(0));
    bag.write(QStringLiteral("ZeroMode"), m_ZeroMode, qint16(0));
    bag.write(QStringLiteral("Shift"), m_Shift, qint16(0));
    bag.write(QStringLiteral("Keta"), m_Keta, qint16(4));
    bag.write(QStringLiteral("DegitSize"), m_DegitSize, qint16(0));
    bag.write(QStringLiteral("DegitStyle"), m_DegitStyle, qint16(0));
    bag.write(QStringLiteral("Value"), m_Value, qint16(0));
    bag.write(QStringLiteral("UserSet"), m_UserSet, true);
    bag.write(QStringLiteral("BackColor"), m_BackColor, DefaultBackColor);
}

void DegitElement::ReadProperties(const PropertyBag &bag)
{
    auto int16 = [&](const char *key, qint16 fallback) {
        return static_cast<qint16>(bag.read(QString::fromLatin1(key), fallback).toInt());
    };
    auto int32 = [&](const char *key, qint32 fallback) {
        return static_cast<qint32>(bag.read(QString::fromLatin1(key), fallback).toLongLong());
    };
    m_BaseForeColor = int32("BaseForeColor", DefaultBaseForeColor);
    m_DegitForeColor = int32("DegitForeColor", DefaultDegitForeColor);
    m_FillZero = int16("FillZero", 0);
    m_ZeroMode = int16("ZeroMode", 0);
    m_Shift = int16("Shift", 0);
    m_Keta = int16("Keta", 4);
    m_DegitSize = int16("DegitSize", 0);
    m_DegitStyle = int16("DegitStyle", 0);
    m_Value = bag.read(QStringLiteral("Value"), qint16(0));
    m_UserSet = bag.read(QStringLiteral("UserSet"), true).toBool();
    m_BackColor = int32("BackColor", DefaultBackColor);
    // Only the background until the host sizes the element; the surface is made then.
    m_surface = QImage();
    update();
}

void DegitElement::redraw()
{
    if (m_holdRedraw)
        return;
    DrawDegit(m_Value, m_BaseForeColor, m_DegitForeColor);
    update();
}

void DegitElement::markChanged(const char *name)
{
    emit PropertyChanged(QString::fromLatin1(name));
}

QImage &DegitElement::clearedSurface()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_surface.size() != pixels || m_surface.devicePixelRatio() != ratio) {
        // Opaque, since it is filled before anything is drawn: shown by a plain copy.
        m_surface = QImage(pixels, QImage::Format_RGB32);
        m_surface.setDevicePixelRatio(ratio);
    }
    m_surface.fill(oleColor(m_BackColor));
    return m_surface;
}

void DegitElement::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_surface.deviceIndependentSize() != QSizeF(size()))
        painter.fillRect(rect(), oleColor(m_BackColor));
    painter.drawImage(0, 0, m_surface);
}

void DegitElement::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A hidden widget gets its resize late; a surface already of this size is up to date.
    const qreal ratio = devicePixelRatioF();
    if (m_surface.size() == (QSizeF(size()) * ratio).toSize() && m_surface.devicePixelRatio() == ratio)
        return;
    // The surface keeps what it shows; new parts show the background.
    QImage previous = m_surface;
    clearedSurface();
    if (!previous.isNull()) {
        QPainter painter(&m_surface);
        painter.drawImage(0, 0, previous);
    }
    surfaceResized();
}

void DegitElement::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit DblClick();
    QWidget::mouseDoubleClickEvent(event);
}
