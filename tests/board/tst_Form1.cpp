#include "ChimeiCtl_E.h"
#include "Fonts.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "WindowShape.h"
#include "frmCtl.h"

#include "Pixels.h"
#include "TestApp.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

// Sends a mouse event at a place of the widget, given also as a place on the screen.
void sendMouse(QWidget *to, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(local), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void maskCutsTheCorners();
    void surfaceDragMovesTheBoard_data();
    void surfaceDragMovesTheBoard();
    void doubleClickSetsTheCells_data();
    void doubleClickSetsTheCells();
    void boardSavedOffEveryScreenComesBack();
};

void tst_Form1::maskCutsTheCorners()
{
    TestApp t;
    t.app->startUp();
    const QRegion shape = t.app->form1->mask();
    for (QPoint out : {QPoint(0, 0), QPoint(536, 0), QPoint(0, 262), QPoint(536, 262), QPoint(1, 1)})
        QVERIFY2(!shape.contains(out), qPrintable(QStringLiteral("%1,%2").arg(out.x()).arg(out.y())));
    for (QPoint in : {QPoint(12, 12), QPoint(524, 250), QPoint(268, 0), QPoint(0, 131), QPoint(268, 262)})
        QVERIFY2(shape.contains(in), qPrintable(QStringLiteral("%1,%2").arg(in.x()).arg(in.y())));

    // Where each row of a 24 x 24 corner starts: the circle of radius 12 through the row's middle.
    const QRegion region = roundedRectRegion(QSize(100, 50), 24, 24);
    const int inset[] = {9, 6, 5, 4, 3, 2, 1, 1, 1, 0, 0, 0, 0};
    for (int y = 0; y <= 12; ++y) {
        const int x = inset[y];
        const bool edges = region.contains(QPoint(x, y)) && region.contains(QPoint(99 - x, 49 - y));
        const bool out = x && (region.contains(QPoint(x - 1, y)) || region.contains(QPoint(100 - x, 49 - y)));
        QVERIFY2(edges && !out, qPrintable(QString::number(y)));
    }
    QVERIFY(roundedRectRegion(QSize(0, 10), 24, 24).isEmpty());
    // An ellipse larger than the rectangle is bounded by it.
    QVERIFY(roundedRectRegion(QSize(10, 10), 24, 24).contains(QPoint(5, 5)));
    QCOMPARE(roundedRectRegion(QSize(10, 10), 0, 0), QRegion(0, 0, 10, 10));
}

void tst_Form1::surfaceDragMovesTheBoard_data()
{
    QTest::addColumn<int>("target"); // the board, a cell, a ticket number, the stop names
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");

    QTest::newRow("left on the surface") << 0 << QPoint(300, 10) << int(Qt::LeftButton) << true;
    QTest::newRow("left on the rim below the strip") << 0 << QPoint(56, 245) << int(Qt::LeftButton) << true;
    QTest::newRow("right on the surface") << 0 << QPoint(300, 10) << int(Qt::RightButton) << false;
    QTest::newRow("left on a cell") << 1 << QPoint(10, 10) << int(Qt::LeftButton) << false;
    QTest::newRow("left on a ticket number") << 2 << QPoint(10, 10) << int(Qt::LeftButton) << false;
    QTest::newRow("left on the stop names") << 3 << QPoint(10, 10) << int(Qt::LeftButton) << false;
}

void tst_Form1::surfaceDragMovesTheBoard()
{
    QFETCH(int, target);
    QFETCH(QPoint, at);
    QFETCH(int, button);
    QFETCH(bool, moves);

    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    board.move(100, 80);
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QWidget *to =
        std::array<QWidget *, 4>{&board, board.Degit[5], board.lblSeiriNum[5], board.ChimeiCtl}[target];
    const QPoint start = to->mapToGlobal(at), delta(40, 25);
    const auto b = Qt::MouseButton(button);
    sendMouse(to, QEvent::MouseButtonPress, at, start, b, b);
    sendMouse(to, QEvent::MouseMove, at + delta / 2, start + delta / 2, Qt::NoButton, b);
    sendMouse(to, QEvent::MouseMove, at + delta, start + delta, Qt::NoButton, b);
    sendMouse(to, QEvent::MouseButtonRelease, at + delta, start + delta, b, Qt::NoButton);
    QCOMPARE(board.pos(), moves ? QPoint(140, 105) : QPoint(100, 80));

    // Once let go, the board stays where it was left, even when the pointer comes back with the button down.
    const QPoint after = board.pos();
    sendMouse(&board, QEvent::MouseMove, QPoint(330, 40), board.mapToGlobal(QPoint(330, 40)), Qt::NoButton,
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
    t.app->startUp();
    Form1 &board = *t.app->form1;
    board.Degit[7]->setValue(qint16(230));
    bool panelEnabledDuringDialog = true;
    t.dialogs.onDigitDialog = [&] { panelEnabledDuringDialog = t.app->panel->isEnabled(); };
    t.dialogs.digitReplies = {{answer, 1, 2, 3}};
    QTest::mouseDClick(board.Degit[5], Qt::LeftButton);

    QCOMPARE(t.dialogs.digitDialogs.size(), 1);
    QCOMPARE(t.dialogs.digitDialogs[0].Keta, qint16(4));
    QVERIFY(!panelEnabledDuringDialog);
    QVERIFY(t.app->panel->isEnabled());
    for (int k = 1; k <= 24; ++k) {
        M_DegitEm &cell = *board.Degit[k];
        const qint16 set = allCells || k == 5;
        QCOMPARE(QList<qint16>({cell.ZeroMode(), cell.Shift(), cell.FillZero()}),
                 QList<qint16>({set, qint16(2 * set), qint16(3 * set)}));
        // Redrawn with the values they held: with ZeroMode 1 a blank shows as 0.
        QVERIFY2((litPixels(cell.grab().toImage()) > 0) == (set || k == 7), qPrintable(QString::number(k)));
    }
    QCOMPARE(board.Degit[7]->Value(), QVariant(qint16(230)));
}

void tst_Form1::boardSavedOffEveryScreenComesBack()
{
    TestApp t;
    t.app->startUp();
    Form1 &board = *t.app->form1;
    FormInfo &info = t.app->iniIo.IniData.FormInfo;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();

    // Half off the screen is still within reach: kept.
    info = {(room.right() - 100) * 15, 0};
    board.SetFormInfo();
    QCOMPARE(board.pos(), QPoint(room.right() - 100, 0));
    // A board saved on a screen that is gone comes back onto this one.
    info = {(room.right() + 2000) * 15, -5000 * 15};
    board.SetFormInfo();
    QCOMPARE(board.pos(), QPoint(room.right() - 536, room.top()));
}

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
