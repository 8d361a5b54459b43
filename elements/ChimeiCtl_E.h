#pragma once

#include "ChimeiScroll.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

class ElapsedClock;
class PropertyBag;
class QFrame;
class ChimeiWindow;
class ChimeiStrip;

// 地名: the stop-name panel of the fare board. A name is written top to bottom
// in 16 x 16 dot glyphs; one of more than six cells scrolls upward until the
// next name is set. SetChimei returns at once: a timer drives the scroll.
class ChimeiCtl_E : public QWidget
{
    Q_OBJECT

public:
    static constexpr qint32 DefaultBackColor = 0x808080; // mid grey
    static constexpr qint32 DefaultForeColor = 0x00BEFF; // amber (0x00BBGGRR)
    static constexpr qint16 DefaultSpeed = 5;
    static constexpr qint32 DefaultScrollStartWait = 1500;
    static constexpr qint16 DefaultAppearance = 1; // 3-D border
    static constexpr int DesignedWidth = 38;
    static constexpr int DesignedWindowWidth = 37;
    static constexpr int DesignedWindowHeight = 196;

    // The clock the scroll is timed by; without one the element keeps its own steady clock.
    explicit ChimeiCtl_E(const ElapsedClock *clock = nullptr, QWidget *parent = nullptr);
    ~ChimeiCtl_E() override;

    // The public members, in the order the unit's software gave them.
    qint32 BackColor() const { return m_BackColor; }
    void setBackColor(qint32 color);
    qint32 ForeColor() const { return m_ForeColor; }
    void setForeColor(qint32 color);
    void Refresh();
    qint16 Speed() const { return m_Speed; }
    void setSpeed(qint16 value);
    qint32 ScrollStartWait() const { return m_ScrollStartWait; }
    void setScrollStartWait(qint32 ms);
    // Draws one cell at strip position (x, y); text becomes its substitute, if it has one.
    void DrawDot16(int x, int y, QString &text);
    void SetChimei(const QString &text);
    // Ends a running scroll where it stands; an empty name alone leaves it running.
    void StopScroll();
    qint16 Mode() const { return m_Mode; }
    void setMode(qint16 value);
    qint16 Appearance() const;
    void setAppearance(qint16 value);
    qint16 FontMode() const { return m_FontMode; }
    void setFontMode(qint16 value);
    bool FontBold() const { return m_FontBold; }
    void setFontBold(bool value);

    // The size the element is shown at, 1 for the designed size. Every place
    // and length below stays in designed pixels; the window, its border and the
    // strip are laid out, and the dots drawn, for the pixels they land on.
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);

    // The stored design: the eight keys, each left out when it holds its default.
    void WriteProperties(PropertyBag &bag) const;
    void ReadProperties(const PropertyBag &bag);

    // What is drawn and where it stands, for the host and for tests.
    // One pixel of the designed strip to each dot place, whatever the zoom.
    const QImage &stripImage() const;
    double stripTop() const { return m_top; }
    int windowHeight() const;
    bool isScrolling() const { return !ScrollStop && m_scroll.isRunning(); }
    // The name last given to SetChimei.
    const QString &shownName() const { return m_shownName; }
    const ChimeiScroll &scroll() const { return m_scroll; }

    QFrame *Picture2 = nullptr;  // the window: clips the strip, carries the border
    QWidget *Picture1 = nullptr; // the dot strip, moved to scroll
    QImage Picture3;             // the 16 x 16 glyph cell: off screen, never seen

    // The frame rate of the scroll; the position comes from the clock, so a
    // late frame only moves the strip further.
    static constexpr int FrameMs = 16;

public slots:
    // One frame of the scroll: runs the turns due by now and moves the strip.
    // The timer calls it; tests call it after moving a fake clock.
    void advanceScroll();

signals:
    void PropertyChanged(const QString &name);

private:
    // Sets a stored value and tells the host it changed.
    template<typename T>
    void store(T &field, T value, const char *name);
    void clearStrip();
    void setWindowBackground(qint32 color);
    void setBorder(qint16 value);
    // Picture2 at the designed window size, its border and client, Picture1, all at the zoom.
    void layOut();
    void placeStrip(double top);
    void scheduleFrame();

    std::unique_ptr<ElapsedClock> m_ownClock;
    const ElapsedClock *m_clock;
    ChimeiWindow *m_window = nullptr; // Picture2 as the element builds it
    ChimeiStrip *m_strip = nullptr;   // Picture1 likewise
    QTimer m_frame;
    ChimeiScroll m_scroll;
    double m_top = 0; // Picture1's top; fractional while scrolling
    qreal m_zoom = 1;
    QSize m_windowSize{DesignedWindowWidth, DesignedWindowHeight}; // Picture2, designed pixels
    int m_lineWidth = 2;                                           // its border, likewise

    qint32 m_BackColor = DefaultBackColor;
    qint32 m_ForeColor = DefaultForeColor;
    qint16 m_Speed = DefaultSpeed;
    qint32 m_ScrollStartWait = DefaultScrollStartWait;
    qint16 m_Mode = 0;
    qint16 m_FontMode = 0;
    bool m_FontBold = false;
    QString m_shownName;
    bool ScrollStop = true; // set to end a running scroll; cleared when a long name starts one
};
