#include "BoardLayout.h"
#include "ChimeiCtl_E.h"
#include "Fonts.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "RunState.h"
#include "WindowShape.h"
#include "frmCtl.h"

#include "Pixels.h"
#include "TestApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include <cmath>

namespace {

// Designed twips at a zoom, each length rounded to the pixel on its own.
int px(int twips, qreal zoom)
{
    return int(std::lround(twips * zoom / 15));
}

QRect at(BoardLayout::Place place, int width, int height, qreal zoom, QPoint origin = {})
{
    return QRect(origin + QPoint(px(place.left, zoom), px(place.top, zoom)),
                 QSize(px(width, zoom), px(height, zoom)));
}

} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void shapeDragAndPlace();
    void doubleClickSetsTheCells();
    void zoomLaysOutEveryControl_data();
    void zoomLaysOutEveryControl();
    void fullScreenFitsAndComesBack();
    void zoomKeptForTheNextRun();
};

// Cut to its rounded shape and kept within reach. Only a left drag on its own surface, the rim
// below the strip too, moves it; once let go, it stays where it was left, even when the pointer
// comes back with the button down. A place saved off every screen comes back onto this one.
void tst_Form1::shapeDragAndPlace()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    QCOMPARE(board.mask(), roundedRectRegion(board.size(), Form1::CornerEllipse, Form1::CornerEllipse));
    QVERIFY(!board.mask().contains(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    // Each event given also as a place on the screen, as the board moves under the pointer.
    const auto send = [](QWidget *to, QEvent::Type type, QPoint at, QPoint global, Qt::MouseButton button,
                         Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(global), button, held, Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    };
    const auto drag = [&](QWidget *on, QPoint at, Qt::MouseButton b) {
        const QPoint start = on->mapToGlobal(at), delta(40, 25);
        send(on, QEvent::MouseButtonPress, at, start, b, b);
        send(on, QEvent::MouseMove, at + delta / 2, start + delta / 2, Qt::NoButton, b);
        send(on, QEvent::MouseMove, at + delta, start + delta, Qt::NoButton, b);
        send(on, QEvent::MouseButtonRelease, at + delta, start + delta, b, Qt::NoButton);
    };
    drag(&board, QPoint(300, 10), Qt::RightButton);
    for (QWidget *on : QWidgetList{board.Degit[5], board.lblSeiriNum[5], board.ChimeiCtl})
        drag(on, QPoint(10, 10), Qt::LeftButton);
    QCOMPARE(board.pos(), QPoint(0, 0));
    drag(&board, QPoint(300, 10), Qt::LeftButton);
    QCOMPARE(board.pos(), QPoint(40, 25));
    drag(&board, QPoint(56, 245), Qt::LeftButton);
    QCOMPARE(board.pos(), QPoint(80, 50));
    send(&board, QEvent::MouseMove, QPoint(330, 40), board.mapToGlobal(QPoint(330, 40)), Qt::NoButton,
         Qt::LeftButton);
    QCOMPARE(board.pos(), QPoint(80, 50));
    FormInfo &info = t.app->iniIo.IniData.FormInfo;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    info = {(room.right() - 100) * 15, 0}; // half off the screen is still within reach: kept
    board.SetFormInfo();
    QCOMPARE(board.pos(), QPoint(room.right() - 100, 0));
    info = {(room.right() + 2000) * 15, -5000 * 15};
    board.SetFormInfo();
    QCOMPARE(board.pos(), QPoint(room.right() - 536, room.top()));
}

// Answer 1 sets every cell alike, another only the cell clicked; the panel takes no click meanwhile.
void tst_Form1::doubleClickSetsTheCells()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    board.Degit[7]->setValue(qint16(230));
    bool panelEnabledDuringDialog = true;
    t.dialogs.onDigitDialog = [&] { panelEnabledDuringDialog = t.app->panel->isEnabled(); };
    for (const int answer : {0, 1}) {
        t.dialogs.digitReplies = {{answer, 1, 2, 3}};
        QTest::mouseDClick(board.Degit[5], Qt::LeftButton);
        QCOMPARE(std::exchange(t.dialogs.digitDialogs, {}), QList<qint16>{4}); // one dialog, for 4 places
        QVERIFY(!panelEnabledDuringDialog && t.app->panel->isEnabled());
        for (int k = 1; k <= 24; ++k) {
            M_DegitEm &cell = *board.Degit[k];
            const qint16 set = answer == 1 || k == 5;
            QCOMPARE(QList<qint16>({cell.ZeroMode(), cell.Shift(), cell.FillZero()}),
                     QList<qint16>({set, qint16(2 * set), qint16(3 * set)}));
            // Redrawn with the values they held: with ZeroMode 1 a blank shows as 0.
            QVERIFY2((litPixels(cell.grab().toImage()) > 0) == (set || k == 7),
                     qPrintable(QString::number(k)));
        }
        QCOMPARE(board.Degit[7]->Value(), QVariant(qint16(230)));
    }
}

void tst_Form1::zoomLaysOutEveryControl_data()
{
    QTest::addColumn<int>("percent");
    for (const int percent : {100, 150, 200, 300})
        QTest::addRow("%d %%", percent) << percent;
}

// Every cell, label and the strip at its twips times the zoom; the cells and the dots drawn
// for that size, each dot a square of the same size at its place rounded; the corners, a drag
// and a double-click as at 100 %. The context menu's entry sets it.
void tst_Form1::zoomLaysOutEveryControl()
{
    QFETCH(int, percent);
    const qreal z = percent / 100.0;
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    board.Degit[3]->setValue(qint16(888));
    board.ChimeiCtl->SetChimei(QStringLiteral("市役所"));
    const QList<QAction *> entries = board.zoomMenu()->actions();
    QCOMPARE(entries.size(), 6); // four zooms, a separator, full screen
    entries[RunState::zoomSteps().indexOf(percent)]->trigger();
    QCOMPARE(board.zoom(), z);

    QCOMPARE(board.size(), QSize(px(BoardLayout::ClientWidth, z), px(BoardLayout::ClientHeight, z)));
    for (int k = 1; k <= BoardLayout::CellCount; ++k) {
        QCOMPARE(board.Degit[k]->geometry(),
                 at(BoardLayout::Cell[k], BoardLayout::CellWidth, BoardLayout::CellHeight, z));
        QCOMPARE(board.lblSeiriNum[k]->geometry(),
                 at(BoardLayout::Label[k], BoardLayout::LabelWidth, BoardLayout::LabelHeight, z));
        QCOMPARE(board.lblSeiriNum[k]->font().pixelSize(), int(std::lround(17 * z)));
    }
    QCOMPARE(board.ChimeiCtl->geometry(),
             at(BoardLayout::Chimei, BoardLayout::ChimeiWidth, BoardLayout::ChimeiHeight, z));
    QCOMPARE(board.ChimeiCtl->Picture2->size(), QSize(px(37 * 15, z), px(196 * 15, z)));
    QCOMPARE(board.ChimeiCtl->windowHeight(), 196); // the scroll still reckons in designed pixels
    const int corner = int(std::lround(Form1::CornerEllipse * z));
    QCOMPARE(board.mask(), roundedRectRegion(board.size(), corner, corner));

    // Drawn for the screen's pixels: the digits span the whole cell at this size, lit in its
    // right half, not only near the top left.
    const qreal ratio = board.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) // the run on a scaled screen is one
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    const qreal s = z * ratio; // screen pixels to a designed pixel
    const QImage cell = board.Degit[3]->grab().toImage();
    QCOMPARE(cell.size(), (QSizeF(board.Degit[3]->size()) * ratio).toSize());
    QVERIFY(litPixels(cell, QRect(cell.width() / 2, cell.height() / 2, cell.width() / 2, cell.height() / 2))
            > 0);

    const QImage strip = board.ChimeiCtl->stripImage();
    const QImage shown = board.ChimeiCtl->Picture1->grab().toImage();
    const QRgb back = strip.pixel(0, 0);
    const int dot = std::max(1, int(std::lround(s)));
    int dots = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            if (strip.pixel(x, y) == back)
                continue;
            ++dots;
            const QPoint corner0(int(std::lround(x * s)), int(std::lround(y * s)));
            for (int dy = 0; dy < dot; ++dy)
                for (int dx = 0; dx < dot; ++dx)
                    QVERIFY2(shown.pixel(corner0 + QPoint(dx, dy)) == strip.pixel(x, y),
                             qPrintable(QStringLiteral("dot %1,%2").arg(x).arg(y)));
        }
    QVERIFY(dots > 20);
    // The strip's own pixels, without the part of the window the grab may round in.
    const QSize stripPixels(int(std::ceil(strip.width() * s)), int(std::ceil(strip.height() * s)));
    int lit = 0;
    for (int y = 0; y < std::min(shown.height(), stripPixels.height()); ++y)
        for (int x = 0; x < std::min(shown.width(), stripPixels.width()); ++x)
            lit += shown.pixel(x, y) != back;
    QCOMPARE(lit, dots * dot * dot); // nothing else lit: no dot larger than another

    // A picture of the user's is stretched with the board.
    QPixmap user(40, 20);
    user.fill(Qt::red);
    board.setPicture(user);
    const QImage face = board.grab().toImage();
    QCOMPARE(face.pixel(int(38 * s), int(18 * s)), qRgb(255, 0, 0));
    QVERIFY(face.pixel(int(42 * s), int(22 * s)) != qRgb(255, 0, 0));

    QVERIFY(QTest::qWaitForWindowExposed(&board));
    const QPoint surface(px(4000, z), px(200, z)), start = board.pos();
    QTest::mousePress(&board, Qt::LeftButton, {}, surface);
    QMouseEvent move(QEvent::MouseMove, QPointF(surface + QPoint(30, 20)),
                     QPointF(board.mapToGlobal(surface) + QPoint(30, 20)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&board, &move);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, surface + QPoint(30, 20));
    QCOMPARE(board.pos(), start + QPoint(30, 20));
    t.dialogs.digitReplies = {{0, 0, 0, 0}};
    QTest::mouseDClick(board.Degit[12], Qt::LeftButton, {}, board.Degit[12]->rect().center());
    QCOMPARE(t.dialogs.digitDialogs.size(), 1);
}

// F11 fits the board to the screen, proportions kept, centred on black, its dots on whole
// pixels; it does not drag;
// its place in the settings stays the window's. Esc brings the zoom and the place back.
void tst_Form1::fullScreenFitsAndComesBack()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    board.setZoomPercent(150);
    board.move(40, 30);
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QTest::keyClick(&board, Qt::Key_F11);
    QVERIFY(board.isFullScreenShown());
    QTRY_COMPARE(board.size(), board.screen()->geometry().size());
    const QRect fitted = board.boardRect();
    // As large as fits with the dots a whole number of pixels apart (2 x zoom whole at ratio 1).
    const qreal z = std::floor(2 * std::min(board.width() / 537.0, board.height() / 263.0)) / 2;
    QCOMPARE(board.zoom(), z);
    QCOMPARE(fitted.size(), QSize(px(BoardLayout::ClientWidth, z), px(BoardLayout::ClientHeight, z)));
    QVERIFY(qAbs((board.width() - fitted.right()) - fitted.left()) <= 2);
    QVERIFY(qAbs((board.height() - fitted.bottom()) - fitted.top()) <= 2);
    QCOMPARE(board.Degit[24]->geometry(),
             at(BoardLayout::Cell[24], BoardLayout::CellWidth, BoardLayout::CellHeight, z, fitted.topLeft()));
    QVERIFY(board.mask().isEmpty());
    const QImage screen = board.grab().toImage();
    QCOMPARE(screen.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(screen.pixel(board.width() - 1, board.height() - 1), qRgb(0, 0, 0));
    board.GetFormInfo();
    QCOMPARE(t.app->iniIo.IniData.FormInfo.FormLeft, 40 * 15);
    QCOMPARE(t.app->iniIo.IniData.FormInfo.FormTop, 30 * 15);

    QTest::keyClick(&board, Qt::Key_Escape);
    QVERIFY(!board.isFullScreenShown());
    QTRY_COMPARE(board.size(), QSize(px(BoardLayout::ClientWidth, 1.5), px(BoardLayout::ClientHeight, 1.5)));
    QCOMPARE(board.zoom(), 1.5);
    QTRY_COMPARE(board.pos(), QPoint(40, 30));
    QVERIFY(!board.mask().isEmpty());
    QTest::keyClick(&board, Qt::Key_Escape); // not full screen: nothing
    QVERIFY(!board.isFullScreenShown());
}

// The zoom goes into the program's own state file at the quit and comes back at the next
// start; the settings file is the same as at 100 %.
void tst_Form1::zoomKeptForTheNextRun()
{
    QByteArray in4At100;
    QString stateFile;
    for (const int percent : {100, 300}) {
        TestApp t;
        t.app->startUp();
        t.app->form1->setZoomPercent(percent);
        QVERIFY(t.app->quit());
        QFile in4(t.app->iniIo.iniPath());
        QVERIFY(in4.open(QIODevice::ReadOnly));
        if (percent == 100)
            in4At100 = in4.readAll();
        else
            QCOMPARE(in4.readAll(), in4At100);
        stateFile = RunState::filePath(t.program.configFolder());
        QCOMPARE(RunState::load(stateFile).zoomPercent, percent);

        TestApp next;
        QVERIFY(QDir().mkpath(next.program.configFolder()));
        QVERIFY(QFile::copy(stateFile, RunState::filePath(next.program.configFolder())));
        next.app->startUp();
        QCOMPARE(next.app->form1->zoomPercent(), percent);
        QCOMPARE(next.app->form1->width(), px(BoardLayout::ClientWidth, percent / 100.0));
    }
}

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
