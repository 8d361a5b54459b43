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
class QMenu;
class QTimer;

// The fare board (運賃表示器) itself: a frameless window with rounded corners
// over the board picture, the stop-name strip at the left and 24 fare cells,
// each under its 整理券 number. The operating panel drives it; the user can
// drag it by its surface and set the cells' digit modes by double-clicking one.
//
// The board can be shown larger than designed, or fill the screen: its
// context menu, F11 and Esc. Every place stays in the designed twips; the
// controls are laid out at the zoom and draw for the pixels they land on.
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
    // The zoom in percent the board is shown at outside full screen.
    int zoomPercent() const { return m_zoomPercent; }
    // Lays the board out at one of RunState::zoomSteps(), the top left kept;
    // leaves full screen. Any other value is ignored.
    void setZoomPercent(int percent);
    // Filling the screen: the board fitted to it, proportions kept, centred on black.
    bool isFullScreenShown() const { return m_fullScreen; }
    void setFullScreenShown(bool on);
    // The zoom at which the board is laid out now, 1 for the designed size.
    qreal zoom() const { return m_zoom; }
    // Where the board stands in the window: all of it, or the fitted part in full screen.
    QRect boardRect() const;
    // The context menu: the zooms, then 全画面表示.
    QMenu *zoomMenu() const { return m_zoomMenu; }

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
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Every control at its designed twips times zoom, from origin.
    void layOut(qreal zoom, QPoint origin);
    void applyShape();
    void buildZoomMenu();
    // The built-in picture at the zoom and the screen's ratio, drawn when either changes.
    const QImage &builtInPicture();

    Session &m_session;
    QPixmap m_Picture;
    SurfaceDrag m_drag{*this};
    bool m_shaped = false;
    int m_zoomPercent = 100;
    qreal m_zoom = 1;
    QPoint m_origin; // the board's top left in the window
    bool m_fullScreen = false;
    QPoint m_windowedPos; // where the window stood before it filled the screen
    QMenu *m_zoomMenu = nullptr;
    QImage m_builtIn;
    qreal m_builtInZoom = 0;
    QColor m_builtInRim;
};
