#pragma once

#include "BoardLayout.h"
#include "WindowShape.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class Session;
class ChimeiCtl_E;
class M_Degit;
class M_DegitEm;
class QLabel;
class QTimer;

// The fare board (運賃表示器) itself: a frameless window with rounded corners
// over the board picture, the stop-name strip at the left and 24 fare cells,
// each under its 整理券 number. The operating panel drives it; the user can
// drag it by its surface and set the cells' digit modes by double-clicking one.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The corners are cut by an ellipse of this size.
    static constexpr int CornerEllipse = 24;
    static constexpr QRgb DefaultBackColor = 0x4a4a4a; // the rim, under the picture's last column

    explicit Form1(Session &session);
    ~Form1() override;

    // The controls in the order of the window's design. Element 0 of Degit
    // and of lblSeiriNum is a hidden template no operation addresses.
    std::array<M_DegitEm *, BoardLayout::CellCount + 1> Degit{};
    ChimeiCtl_E *ChimeiCtl = nullptr;
    QTimer *Timer1 = nullptr;             // the clock: 1000 ms, off as designed
    std::array<M_Degit *, 2> TimeDegit{}; // hour, minute; hidden as designed
    std::array<QLabel *, BoardLayout::CellCount + 1> lblSeiriNum{};
    std::array<QLabel *, 3> imgRes{}; // picture holders below the visible area; (0) is the board picture

    // The picture drawn at the window's top left, under the controls.
    QPixmap Picture() const { return m_Picture; }
    void setPicture(const QPixmap &New_Picture);

    // The window's Left and Top to FormLeft / FormTop of the settings (twips), and back.
    void GetFormInfo();
    void SetFormInfo();
    // Called once at the quit. The shape belongs to the window and goes with it: nothing to free.
    void DeleteRgn() { }
    // Cuts the window to its rounded shape, kept through later resizes.
    void applyRoundedShape();

    // The text colour of the ticket numbers lblSeiriNum(1..24), 0x00BBGGRR.
    void setTicketNumberColor(qint32 color);
    // The colours of the 24 cells and the two clock fields: background, unlit
    // and lit segments.
    void setDigitColors(qint32 back, qint32 baseFore, qint32 fore);

    void Timer1_Timer();
    void Degit_DblClick(int Index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Session &m_session;
    QPixmap m_Picture;
    SurfaceDrag m_drag{*this};
    bool m_shaped = false;
};
