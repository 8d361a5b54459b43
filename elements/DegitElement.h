#pragma once

#include <QImage>
#include <QVariant>
#include <QWidget>
#include <algorithm>

class Dialogs;
class PropertyBag;

// What the two numeric elements, M_Degit and M_DegitEm, have in common: their
// fields, stored design, settings dialog and lamp test. They differ in how
// Shift, Keta and DegitSize are written and in how the digits are drawn.
//
// The element keeps its picture on a persistent surface: what a redraw
// paints stays until the next redraw clears it.
class DegitElement : public QWidget
{
    Q_OBJECT

public:
    static constexpr qint32 DefaultBaseForeColor = 0x969696;  // unlit segments, grey
    static constexpr qint32 DefaultDegitForeColor = 0x72D2F8; // lit segments, amber
    static constexpr qint32 DefaultBackColor = 0x808080;

    // Opens the digit-settings dialog; takes back the three values without range
    // rules, redraws and passes the dialog's result on (1 = confirmed).
    qint32 ShowSetDlg();

    qint32 BaseForeColor() const { return m_BaseForeColor; }
    void setBaseForeColor(qint32 New_BaseForeColor);
    qint32 DegitForeColor() const { return m_DegitForeColor; }
    void setDegitForeColor(qint32 New_DegitForeColor);
    // Places a number is filled to with leading zeros; 0 = none.
    qint16 FillZero() const { return m_FillZero; }
    void setFillZero(qint16 New_FillZero);
    // How 0, -1 and the empty text are shown (see DegitText::zeroHandled).
    qint16 ZeroMode() const { return m_ZeroMode; }
    void setZeroMode(qint16 New_ZeroMode);
    // Blank places kept at the right end.
    qint16 Shift() const { return m_Shift; }
    virtual void setShift(qint16 New_Shift) = 0;
    // 桁: the number of digit places.
    qint16 Keta() const { return m_Keta; }
    virtual void setKeta(qint16 New_Keta) = 0;
    qint16 DegitSize() const { return m_DegitSize; }
    virtual void setDegitSize(qint16 New_DegitSize) = 0;
    qint16 DegitStyle() const { return m_DegitStyle; }
    void setDegitStyle(qint16 New_DegitStyle);
    // Empty (invalid), a number, or a text.
    QVariant Value() const { return m_Value; }
    void setValue(const QVariant &New_Value);
    // The lamp test: every segment lit (nMode true) or every place unlit.
    void ResetDegit(bool nMode);
    bool UserSet() const { return m_UserSet; }
    void setUserSet(bool New_UserSet);
    // The native window the element draws in (its top-level window's); 0 until that exists.
    qint32 hwnd() const;
    qint32 BackColor() const { return m_BackColor; }
    void setBackColor(qint32 New_BackColor);

    // The size the host shows the element at, 1 for the designed size: the
    // digits are drawn for the pixels they land on.
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);

    // The stored design: written in key order, a value equal to its default left out;
    // loading stores each value as it stands, without range rules or redraw.
    void WriteProperties(PropertyBag &bag) const;
    void ReadProperties(const PropertyBag &bag);

signals:
    void DblClick();
    // The host's design changed: the named property was written.
    void PropertyChanged(const QString &name);

protected:
    DegitElement(Dialogs &dialogs, QWidget *parent);

    virtual void DrawDegit(const QVariant &value, qint32 unlitColor, qint32 litColor) = 0;
    void redraw();
    void markChanged(const char *name);
    // At most Keta - 1, at least 0: a shift never blanks every place.
    qint16 clampedShift(qint16 shift) const { return qint16(std::max(std::min<int>(shift, m_Keta - 1), 0)); }

    // The persistent surface, cleared to the background, ready for a redraw.
    QImage &clearedSurface();

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Called when the surface has taken a new size.
    virtual void surfaceResized() { }
    void mouseDoubleClickEvent(QMouseEvent *event) override;

    Dialogs &m_dialogs;
    bool m_UserSet = true;
    qint32 m_BaseForeColor = DefaultBaseForeColor;
    qint32 m_DegitForeColor = DefaultDegitForeColor;
    qint16 m_FillZero = 0;
    qint16 m_ZeroMode = 0;
    qint16 m_Shift = 0;
    qint16 m_Keta = 4;
    qint16 m_DegitSize = 0;
    qint16 m_DegitStyle = 0;
    QVariant m_Value = QVariant(qint16(0));
    qint32 m_BackColor = DefaultBackColor;
    qreal m_zoom = 1;
    // Set while the lamp test puts the modes back, so that no write repaints its picture.
    bool m_holdRedraw = false;

private:
    QImage m_surface;
};
