#include "ChimeiCtl_E.h"

#include "ByteStrings.h"
#include "ChimeiLayout.h"
#include "DotGlyph.h"
#include "ElapsedClock.h"
#include "OleColor.h"
#include "PropertyBag.h"

#include <QFrame>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <cmath>

namespace {

constexpr int StripLeft = -1;
constexpr int StripWidth = 37;
constexpr int GlyphX = 2; // the column every cell is drawn in

} // namespace

// Picture1: a persistent image; scrolling only moves it. Shown larger than
// designed, each pixel of the image becomes a square dot of the same whole
// number of screen pixels, set at its place rounded to the screen's grid, so
// every dot is alike and the gaps differ by one screen pixel at most.
class ChimeiStrip : public QWidget
{
public:
    explicit ChimeiStrip(QWidget *parent)
        : QWidget(parent)
    {
        // The image covers the whole widget: nothing beneath needs painting.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QImage image;
    QRgb background = 0;
    qreal zoom = 1;

    // The image was drawn on: the dots are laid out again at the next paint.
    void invalidate() { m_dots = QImage(); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        const QRect r = event->rect();
        const qreal scale = zoom * devicePixelRatioF();
        if (scale == 1.0) {
            painter.drawImage(r.topLeft(), image, r);
            return;
        }
        if (m_dots.isNull() || m_dotsScale != scale)
            layOutDots(scale);
        painter.setClipRect(r);
        painter.drawImage(QPointF(0, 0), m_dots);
    }

private:
    void layOutDots(qreal scale)
    {
        m_dotsScale = scale;
        m_dots = QImage(int(std::ceil(image.width() * scale)), int(std::ceil(image.height() * scale)),
                        QImage::Format_RGB32);
        m_dots.fill(background);
        const int dot = std::max(1, int(std::lround(scale)));
        {
            QPainter painter(&m_dots); // in screen pixels: the ratio is set after
            for (int y = 0; y < image.height(); ++y) {
                const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                const int top = int(std::lround(y * scale));
                for (int x = 0; x < image.width(); ++x)
                    if (row[x] != background)
                        painter.fillRect(int(std::lround(x * scale)), top, dot, dot, QColor::fromRgb(row[x]));
            }
        }
        m_dots.setDevicePixelRatio(devicePixelRatioF());
    }

    QImage m_dots; // the image as shown at m_dotsScale, in screen pixels
    qreal m_dotsScale = 0;
};

// Picture2: a frame whose inside, not the frame, clips the strip, as a
// bordered picture box places its children in its client area.
class ChimeiWindow : public QFrame
{
public:
    explicit ChimeiWindow(QWidget *parent)
        : QFrame(parent)
        , client(new QWidget(this))
    {
        client->setAutoFillBackground(true);
    }

    QWidget *client;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QFrame::resizeEvent(event);
        client->setGeometry(contentsRect());
    }
};

ChimeiCtl_E::ChimeiCtl_E(const ElapsedClock *clock, QWidget *parent)
    : QWidget(parent)
    , m_ownClock(clock ? nullptr : std::make_unique<SteadyClock>())
    , m_clock(clock ? clock : m_ownClock.get())
{
    Picture3 = QImage(DotGlyph::CellSize, DotGlyph::CellSize, QImage::Format_RGB32);
    m_window = new ChimeiWindow(this);
    Picture2 = m_window;
    m_strip = new ChimeiStrip(m_window->client);
    Picture1 = m_strip;

    resize(DesignedWidth, DesignedWindowHeight);
    m_strip->image = QImage(StripWidth, ChimeiLayout::ShortStripHeight, QImage::Format_RGB32);
    setBorder(DefaultAppearance); // lays the window and the strip out
    Picture3.fill(Qt::white);

    setWindowBackground(m_BackColor);
    clearStrip();

    m_frame.setSingleShot(true);
    connect(&m_frame, &QTimer::timeout, this, &ChimeiCtl_E::advanceScroll);
}

ChimeiCtl_E::~ChimeiCtl_E() = default;

template<typename T>
void ChimeiCtl_E::store(T &field, T value, const char *name)
{
    field = value;
    emit PropertyChanged(QString::fromLatin1(name));
}

void ChimeiCtl_E::setBackColor(qint32 color)
{
    m_BackColor = color;
    clearStrip();
    setWindowBackground(color);
    emit PropertyChanged(QStringLiteral("BackColor"));
}

void ChimeiCtl_E::setForeColor(qint32 color)
{
    store(m_ForeColor, color, "ForeColor");
}

void ChimeiCtl_E::Refresh()
{
    Picture1->update();
}

void ChimeiCtl_E::setSpeed(qint16 value)
{
    store(m_Speed, value, "Speed");
}

void ChimeiCtl_E::setScrollStartWait(qint32 ms)
{
    store(m_ScrollStartWait, ms, "ScrollStartWait");
}

void ChimeiCtl_E::DrawDot16(int x, int y, QString &text)
{
    Picture3.fill(Qt::white);
    if (text.isEmpty())
        return;

    const DotGlyph::Treatment t = DotGlyph::treatment(text, m_FontMode);
    text = t.text;
    const DotGlyph::Face face = DotGlyph::face(m_FontMode, DotGlyph::code(text));
    DotGlyph::render(Picture3, text, face, m_FontBold, t.offsetX, t.offsetY);

    // Only exactly black becomes a dot; one glyph pixel, one strip pixel,
    // two pixels apart.
    QImage &strip = m_strip->image;
    const QRgb dot = oleColor(m_ForeColor).rgb();
    for (int gy = 0; gy < DotGlyph::CellSize; ++gy) {
        const QRgb *row = reinterpret_cast<const QRgb *>(Picture3.constScanLine(gy));
        for (int gx = 0; gx < DotGlyph::CellSize; ++gx) {
            if (qRed(row[gx]) | qGreen(row[gx]) | qBlue(row[gx]))
                continue;
            const int sx = x + DotGlyph::DotPitch * (t.laidOnSide ? gy : gx);
            const int sy = y + DotGlyph::DotPitch * (t.laidOnSide ? gx : gy);
            if (strip.valid(sx, sy))
                strip.setPixel(sx, sy, dot);
        }
    }
    m_strip->invalidate();
}

void ChimeiCtl_E::StopScroll()
{
    ScrollStop = true;
    m_scroll.stop();
    m_frame.stop();
}

void ChimeiCtl_E::SetChimei(const QString &text)
{
    m_shownName = text;
    clearStrip();
    setWindowBackground(m_BackColor);
    if (text.isEmpty()) {
        // A running scroll goes on over the blank strip until the next name.
        placeStrip(0);
        return;
    }

    // Only one scroll at a time: the old one ends before the new name is drawn.
    StopScroll();

    const int cells = ChimeiLayout::cellCount(LenB_ASCII(text));
    const int height = ChimeiLayout::stripHeight(cells);
    if (m_strip->image.height() != height) {
        m_strip->image = QImage(StripWidth, height, QImage::Format_RGB32);
        layOut();
        clearStrip();
    }
    const ChimeiLayout::CellTops tops = ChimeiLayout::cellTops(cells, m_Mode);
    placeStrip(ChimeiLayout::stripTop(cells, m_top, windowHeight()));

    const QStringList cellTexts = ChimeiLayout::cellTexts(text);
    for (int i = 0; i < cellTexts.size(); ++i) {
        QString cell = cellTexts[i];
        DrawDot16(GlyphX, tops.offset + i * tops.pitch, cell);
    }
    Picture1->update();

    if (cells > ChimeiLayout::CellsInWindow) {
        ScrollStop = false;
        m_scroll.start(m_clock->msecs(), m_ScrollStartWait);
        Picture2->update();
        scheduleFrame();
    }
}

void ChimeiCtl_E::setMode(qint16 value)
{
    store(m_Mode, value, "Mode");
}

qint16 ChimeiCtl_E::Appearance() const
{
    return Picture2->frameShadow() == QFrame::Sunken ? 1 : 0;
}

void ChimeiCtl_E::setAppearance(qint16 value)
{
    setBorder(value);
    emit PropertyChanged(QStringLiteral("Appearance"));
    clearStrip();
    m_windowSize = value != 0 ? QSize(DesignedWindowWidth, 195) : QSize(35, 185);
    layOut();
}

void ChimeiCtl_E::setZoom(qreal zoom)
{
    if (zoom <= 0 || zoom == m_zoom)
        return;
    m_zoom = zoom;
    m_strip->zoom = zoom;
    m_strip->invalidate();
    layOut();
}

void ChimeiCtl_E::setFontMode(qint16 value)
{
    store(m_FontMode, value, "FontMode");
}

void ChimeiCtl_E::setFontBold(bool value)
{
    store(m_FontBold, value, "FontBold");
}

void ChimeiCtl_E::WriteProperties(PropertyBag &bag) const
{
    bag.write(QStringLiteral("BackColor"), m_BackColor, DefaultBackColor);
    bag.write(QStringLiteral("ForeColor"), m_ForeColor, DefaultForeColor);
    bag.write(QStringLiteral("Speed"), m_Speed, DefaultSpeed);
    bag.write(QStringLiteral("ScrollStartWait"), m_ScrollStartWait, DefaultScrollStartWait);
    bag.write(QStringLiteral("Mode"), m_Mode, qint16(0));
    bag.write(QStringLiteral("Appearance"), Appearance(), DefaultAppearance);
    bag.write(QStringLiteral("FontMode"), m_FontMode, qint16(0));
    bag.write(QStringLiteral("FontBold"), m_FontBold, false);
}

void ChimeiCtl_E::ReadProperties(const PropertyBag &bag)
{
    m_BackColor = bag.read(QStringLiteral("BackColor"), DefaultBackColor).toInt();
    clearStrip();
    setWindowBackground(m_BackColor);
    m_ForeColor = bag.read(QStringLiteral("ForeColor"), DefaultForeColor).toInt();
    m_Speed = qint16(bag.read(QStringLiteral("Speed"), DefaultSpeed).toInt());
    m_ScrollStartWait = bag.read(QStringLiteral("ScrollStartWait"), DefaultScrollStartWait).toInt();
    m_Mode = qint16(bag.read(QStringLiteral("Mode"), 0).toInt());
    // The border only: a stored design keeps the window's designed size.
    setBorder(qint16(bag.read(QStringLiteral("Appearance"), DefaultAppearance).toInt()));
    m_FontMode = qint16(bag.read(QStringLiteral("FontMode"), 0).toInt());
    m_FontBold = bag.read(QStringLiteral("FontBold"), false).toBool();
}

const QImage &ChimeiCtl_E::stripImage() const
{
    return m_strip->image;
}

int ChimeiCtl_E::windowHeight() const
{
    return m_windowSize.height();
}

void ChimeiCtl_E::advanceScroll()
{
    if (ScrollStop || !m_scroll.isRunning())
        return;
    const ChimeiScroll::Outcome out = m_scroll.advance(
        m_clock->msecs(), m_Speed, m_top, {windowHeight(), m_strip->image.height(), m_ScrollStartWait});
    if (out.speedRaised) {
        setSpeed(1);
        // The host hears of the change and may set a new name at once.
        if (ScrollStop || !m_scroll.isRunning())
            return;
    }
    if (m_scroll.hasBegun())
        placeStrip(m_scroll.position());
    scheduleFrame();
}

void ChimeiCtl_E::clearStrip()
{
    m_strip->background = oleColor(m_BackColor).rgb();
    m_strip->image.fill(m_strip->background);
    m_strip->invalidate();
    Picture1->update();
}

void ChimeiCtl_E::setWindowBackground(qint32 color)
{
    QPalette palette = m_window->client->palette();
    palette.setColor(QPalette::Window, oleColor(color));
    m_window->client->setPalette(palette);
}

void ChimeiCtl_E::setBorder(qint16 value)
{
    if (value != 0) {
        Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_lineWidth = 2;
    } else {
        Picture2->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_lineWidth = 1;
    }
    layOut();
}

void ChimeiCtl_E::layOut()
{
    auto zoomed = [this](double designed) { return int(std::lround(designed * m_zoom)); };
    Picture2->setLineWidth(std::max(1, zoomed(m_lineWidth)));
    Picture2->setGeometry(0, 0, zoomed(m_windowSize.width()), zoomed(m_windowSize.height()));
    m_window->client->setGeometry(Picture2->contentsRect());
    Picture1->resize(zoomed(StripWidth), zoomed(m_strip->image.height()));
    placeStrip(m_top);
}

void ChimeiCtl_E::placeStrip(double top)
{
    m_top = top;
    // Widget positions are whole pixels within int; a strip that a negative
    // Speed drives down for hours must not overflow them.
    const double y = std::clamp(std::round(top * m_zoom), -1.0e7, 1.0e7);
    Picture1->move(int(std::lround(StripLeft * m_zoom)), int(y));
}

void ChimeiCtl_E::scheduleFrame()
{
    if (!isScrolling())
        return;
    if (m_scroll.phase() == ChimeiScroll::Phase::Waiting)
        m_frame.start(int(qMax<qint64>(m_scroll.waitLeft(m_clock->msecs()), 1)));
    else
        m_frame.start(FrameMs);
}
