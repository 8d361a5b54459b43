#include "ChimeiCtl_E.h"
#include "Fonts.h"
#include "Form1.h"
#include "M_Degit.h"
#include "M_DegitEm.h"
#include "WindowShape.h"
#include "frmCtl.h"

#include "Pixels.h"
#include "TestApp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Twips to pixels as the window system rounds them: 15 twips to the pixel.
int px(int twips)
{
    return (twips * 2 + 15) / 30;
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// The board's grid as designed: cell k and the ticket-number label above it, in twips.
struct GridPlace
{
    int cellLeft, cellTop, labelLeft, labelTop;
};
const GridPlace Grid[25] = {
    {2115, 60, 1185, 45}, // element 0 of both, hidden
    {2220, 1365, 2220, 1095}, {3144, 1365, 3144, 1095}, {4068, 1365, 4068, 1095}, {4992, 1365, 4992, 1095},
    {5916, 1365, 5916, 1095}, {6840, 1365, 6840, 1095}, {2220, 1980, 2220, 1695}, {3144, 1980, 3150, 1695},
    {4068, 1980, 4065, 1695}, {4992, 1965, 4995, 1695}, {5916, 1965, 5910, 1695}, {6840, 1980, 6840, 1695},
    {2220, 2595, 2220, 2310}, {3144, 2595, 3144, 2310}, {4068, 2595, 4068, 2310}, {4992, 2580, 4992, 2310},
    {5916, 2580, 5916, 2310}, {6840, 2595, 6840, 2310}, {2220, 3210, 2220, 2925}, {3144, 3210, 3144, 2925},
    {4068, 3210, 4068, 2925}, {4992, 3195, 4992, 2925}, {5916, 3195, 5916, 2925}, {6840, 3210, 6840, 2925},
};

void sendMouse(QWidget *to, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Presses at a place of the board, moves the pointer by delta and lets go.
void dragBy(QWidget *target, QPoint local, QPoint delta, Qt::MouseButton button)
{
    const QPoint start = target->mapToGlobal(local);
    sendMouse(target, QEvent::MouseButtonPress, local, start, button, button);
    sendMouse(target, QEvent::MouseMove, local + delta / 2, start + delta / 2, Qt::NoButton, button);
    sendMouse(target, QEvent::MouseMove, local + delta, start + delta, Qt::NoButton, button);
    sendMouse(target, QEvent::MouseButtonRelease, local + delta, start + delta, button, Qt::NoButton);
}

} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void controlsStandAtTheirDesignedPlaces_data();
    void controlsStandAtTheirDesignedPlaces();
    void designedStateOfTheOtherControls();
    void cornersAreCutAway();
    void roundedRegionRows();
    void surfaceDragMovesTheBoard_data();
    void surfaceDragMovesTheBoard();
    void doubleClickSetsTheCells_data();
    void doubleClickSetsTheCells();
    void doubleClickWithoutPanelOrUserSet();
    void clockTickWritesHourAndMinute();
    void formInfoRoundTrip();
    void formInfoOffEveryScreenComesBack();
};

void tst_Form1::controlsStandAtTheirDesignedPlaces_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("expected");

    for (int k = 0; k <= 24; ++k) {
        const GridPlace &g = Grid[k];
        QTest::addRow("Degit(%d)", k)
            << QStringLiteral("Degit%1").arg(k) << twips(g.cellLeft, g.cellTop, 780, 300);
        QTest::addRow("lblSeiriNum(%d)", k)
            << QStringLiteral("lblSeiriNum%1").arg(k) << twips(g.labelLeft, g.labelTop, 780, 240);
    }
    QTest::newRow("ChimeiCtl") << "ChimeiCtl" << twips(555, 495, 570, 2955);
    QTest::newRow("TimeDegit(0)") << "TimeDegit0" << twips(5445, 30, 390, 300);
    QTest::newRow("TimeDegit(1)") << "TimeDegit1" << twips(5850, 30, 390, 300);
    // Rounded, not cut: 3144 twips is 209.6 pixels.
    QTest::newRow("Degit(2) in pixels") << "Degit2" << QRect(210, 91, 52, 20);
    QTest::newRow("lblSeiriNum(11) in pixels") << "lblSeiriNum11" << QRect(394, 113, 52, 16);
}

void tst_Form1::controlsStandAtTheirDesignedPlaces()
{
    QFETCH(QString, control);
    QFETCH(QRect, expected);

    TestApp t;
    Form1 &board = *t.app->form1;
    QCOMPARE(board.size(), QSize(537, 263));

    QWidget *widget = nullptr;
    if (control == QLatin1String("ChimeiCtl"))
        widget = board.ChimeiCtl;
    else if (control.startsWith(QLatin1String("TimeDegit")))
        widget = board.TimeDegit[control.mid(9).toInt()];
    else if (control.startsWith(QLatin1String("Degit")))
        widget = board.Degit[control.mid(5).toInt()];
    else
        widget = board.lblSeiriNum[control.mid(11).toInt()];
    QCOMPARE(widget->geometry(), expected);
}

void tst_Form1::designedStateOfTheOtherControls()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;

    QVERIFY(board.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(board.Degit[0]->isHidden());
    QVERIFY(board.lblSeiriNum[0]->isHidden());
    for (M_Degit *field : board.TimeDegit) {
        QVERIFY(field->isHidden());
        QCOMPARE(field->Keta(), qint16(2));
    }
    for (int k = 1; k <= 24; ++k) {
        QVERIFY2(board.Degit[k]->isVisible(), qPrintable(QString::number(k)));
        QCOMPARE(board.Degit[k]->Keta(), qint16(4));
        QCOMPARE(board.lblSeiriNum[k]->alignment(), Qt::AlignCenter);
        QCOMPARE(board.lblSeiriNum[k]->font().pixelSize(), 17);
        QVERIFY(board.lblSeiriNum[k]->font().bold());
        QCOMPARE(board.lblSeiriNum[k]->font().family(), QStringLiteral("ソルテ数字平体"));
        QCOMPARE(board.lblSeiriNum[k]->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    }
    QCOMPARE(board.lblSeiriNum[12]->text(), QStringLiteral("１２"));
    QCOMPARE(board.Timer1->interval(), 1000);
    QVERIFY(!board.Timer1->isActive());

    // The picture holders lie below the visible area; (0) holds the board picture,
    // which the start-up made the window's own.
    QCOMPARE(board.imgRes[0]->pos(), QPoint(0, 274));
    QCOMPARE(board.imgRes[1]->pos(), QPoint(199, 280));
    QCOMPARE(board.imgRes[2]->pos(), QPoint(418, 310));
    const QImage picture = board.imgRes[0]->pixmap().toImage();
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(536, 263));
    QCOMPARE(board.Picture().toImage(), picture);
    QCOMPARE(board.imgRes[2]->pixmap().toImage(), picture);
    QCOMPARE(board.pos(), QPoint(0, 0));
}

void tst_Form1::cornersAreCutAway()
{
    TestApp t;
    Form1 &board = *t.app->form1;
    QVERIFY(board.mask().isEmpty());
    t.app->startUp();

    const QRegion shape = board.mask();
    for (QPoint corner : {QPoint(0, 0), QPoint(536, 0), QPoint(0, 262), QPoint(536, 262), QPoint(1, 1)})
        QVERIFY2(!shape.contains(corner),
                 qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    for (QPoint inside : {QPoint(12, 12), QPoint(524, 250), QPoint(268, 0), QPoint(0, 131), QPoint(536, 131),
                          QPoint(268, 262)})
        QVERIFY2(shape.contains(inside), qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
}

void tst_Form1::roundedRegionRows()
{
    // Where each row of a 24 x 24 corner starts: the circle of radius 12
    // through the middle of the row.
    const QRegion region = roundedRectRegion(QSize(100, 50), 24, 24);
    const int expectedInset[] = {9, 6, 5, 4, 3, 2, 1, 1, 1, 0, 0, 0, 0};
    for (int y = 0; y <= 12; ++y) {
        const int inset = expectedInset[y];
        QVERIFY2(region.contains(QPoint(inset, y)), qPrintable(QString::number(y)));
        QVERIFY2(region.contains(QPoint(99 - inset, 49 - y)), qPrintable(QString::number(y)));
        if (inset > 0) {
            QVERIFY2(!region.contains(QPoint(inset - 1, y)), qPrintable(QString::number(y)));
            QVERIFY2(!region.contains(QPoint(100 - inset, 49 - y)), qPrintable(QString::number(y)));
        }
    }
    QVERIFY(roundedRectRegion(QSize(0, 10), 24, 24).isEmpty());
    // An ellipse larger than the rectangle is bounded by it.
    QVERIFY(roundedRectRegion(QSize(10, 10), 24, 24).contains(QPoint(5, 5)));
    QCOMPARE(roundedRectRegion(QSize(10, 10), 0, 0), QRegion(0, 0, 10, 10));
}

void tst_Form1::surfaceDragMovesTheBoard_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");

    QTest::newRow("left on the surface") << "surface" << int(Qt::LeftButton) << true;
    QTest::newRow("left on the rim below the strip") << "rim" << int(Qt::LeftButton) << true;
    QTest::newRow("right on the surface") << "surface" << int(Qt::RightButton) << false;
    QTest::newRow("left on a cell") << "cell" << int(Qt::LeftButton) << false;
    QTest::newRow("left on a ticket number") << "label" << int(Qt::LeftButton) << false;
    QTest::newRow("left on the stop names") << "strip" << int(Qt::LeftButton) << false;
}

void tst_Form1::surfaceDragMovesTheBoard()
{
    QFETCH(QString, where);
    QFETCH(int, button);
    QFETCH(bool, moves);

    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    board.move(100, 80);
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    QWidget *target = &board;
    QPoint at(300, 10);
    if (where == QLatin1String("rim"))
        at = QPoint(56, 245);
    else if (where == QLatin1String("cell"))
        target = board.Degit[5];
    else if (where == QLatin1String("label"))
        target = board.lblSeiriNum[5];
    else if (where == QLatin1String("strip"))
        target = board.ChimeiCtl;
    if (target != &board)
        at = QPoint(10, 10);

    dragBy(target, at, QPoint(40, 25), Qt::MouseButton(button));
    QCOMPARE(board.pos(), moves ? QPoint(140, 105) : QPoint(100, 80));

    // Once let go, the board stays where it was left, even when the pointer
    // comes back with the button down.
    const QPoint after = board.pos();
    const QPoint global = board.mapToGlobal(QPoint(300, 10));
    sendMouse(&board, QEvent::MouseMove, QPoint(330, 40), global + QPoint(30, 30), Qt::NoButton,
              Qt::LeftButton);
    QCOMPARE(board.pos(), after);
}

void tst_Form1::doubleClickSetsTheCells_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("allCells");

    QTest::newRow("1: every cell alike") << 1 << true;
    QTest::newRow("0: only that cell") << 0 << false;
    QTest::newRow("2: only that cell") << 2 << false;
}

void tst_Form1::doubleClickSetsTheCells()
{
    QFETCH(int, answer);
    QFETCH(bool, allCells);

    TestApp t;
    frmCtl &panel = *t.app->panel;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    board.Degit[7]->setValue(qint16(230));
    for (int k = 1; k <= 24; ++k)
        QCOMPARE(litPixels(board.Degit[k]->grab().toImage()) > 0, k == 7);

    bool panelEnabledDuringDialog = true;
    t.dialogs.onDigitDialog = [&] { panelEnabledDuringDialog = panel.isEnabled(); };
    t.dialogs.digitReplies = {{answer, 1, 2, 3}};
    QTest::mouseDClick(board.Degit[5], Qt::LeftButton);

    QCOMPARE(t.dialogs.digitDialogs.size(), 1);
    QCOMPARE(t.dialogs.digitDialogs[0].Keta, qint16(4));
    QVERIFY(!panelEnabledDuringDialog);
    QVERIFY(panel.isEnabled());
    for (int k = 1; k <= 24; ++k) {
        M_DegitEm &cell = *board.Degit[k];
        const bool set = allCells || k == 5;
        const QString at = QString::number(k);
        QCOMPARE(cell.ZeroMode(), qint16(set ? 1 : 0));
        QCOMPARE(cell.Shift(), qint16(set ? 2 : 0));
        QCOMPARE(cell.FillZero(), qint16(set ? 3 : 0));
        // Redrawn with the values they held: with ZeroMode 1 a blank shows as 0.
        QVERIFY2((litPixels(cell.grab().toImage()) > 0) == (set || k == 7), qPrintable(at));
    }
    QCOMPARE(board.Degit[7]->Value(), QVariant(qint16(230)));
    if (allCells) {
        QVERIFY(board.Degit[7]->grab().toImage() != board.Degit[8]->grab().toImage());
        QCOMPARE(board.Degit[1]->grab().toImage(), board.Degit[24]->grab().toImage());
    }
}

void tst_Form1::doubleClickWithoutPanelOrUserSet()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;

    // A cell the user may not set ignores the double-click, and leaves the panel alone.
    board.Degit[3]->setUserSet(false);
    QTest::mouseDClick(board.Degit[3], Qt::LeftButton);
    QVERIFY(t.dialogs.digitDialogs.isEmpty());
    QVERIFY(t.app->panel->isEnabled());

    // Without a panel the dialog still works.
    t.app->panel.reset();
    t.dialogs.digitReplies = {{1, 3, 0, 0}};
    QTest::mouseDClick(board.Degit[24], Qt::LeftButton);
    QCOMPARE(board.Degit[1]->ZeroMode(), qint16(3));
}

void tst_Form1::clockTickWritesHourAndMinute()
{
    TestApp t; // 09:05:30
    Form1 &board = *t.app->form1;
    board.Timer1_Timer();
    QCOMPARE(board.TimeDegit[0]->Value(), QVariant(qint16(9)));
    QCOMPARE(board.TimeDegit[1]->Value(), QVariant(qint16(5)));

    t.clock.advanceMs((14 * 60 + 54) * 60 * 1000); // 23:59:30
    board.Timer1_Timer();
    QCOMPARE(board.TimeDegit[0]->Value(), QVariant(qint16(23)));
    QCOMPARE(board.TimeDegit[1]->Value(), QVariant(qint16(59)));

    t.clock.advanceMs(60 * 1000); // 00:00:30 the next day
    board.Timer1_Timer();
    QCOMPARE(board.TimeDegit[0]->Value(), QVariant(qint16(0)));
    QCOMPARE(board.TimeDegit[1]->Value(), QVariant(qint16(0)));
}

void tst_Form1::formInfoRoundTrip()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    FormInfo &info = t.app->iniIo.IniData.FormInfo;

    board.move(123, 45);
    board.GetFormInfo();
    QCOMPARE(info.FormLeft, 1845);
    QCOMPARE(info.FormTop, 675);

    // Settings saved in twips that are no whole pixel still land on the nearest one.
    info.FormLeft = 1508;
    info.FormTop = 22;
    board.SetFormInfo();
    QCOMPARE(board.pos(), QPoint(101, 1));
    board.GetFormInfo();
    QCOMPARE(info.FormLeft, 1515);
    QCOMPARE(info.FormTop, 15);
}

void tst_Form1::formInfoOffEveryScreenComesBack()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    FormInfo &info = t.app->iniIo.IniData.FormInfo;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();

    // Half off the screen is still within reach: kept.
    info.FormLeft = (room.right() - 100) * 15;
    info.FormTop = 0;
    board.SetFormInfo();
    QCOMPARE(board.pos(), QPoint(room.right() - 100, 0));

    // A board saved on a screen that is gone comes back onto this one.
    info.FormLeft = (room.right() + 2000) * 15;
    info.FormTop = -5000 * 15;
    board.SetFormInfo();
    QCOMPARE(board.pos(), QPoint(room.right() - 536, room.top()));
}

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
