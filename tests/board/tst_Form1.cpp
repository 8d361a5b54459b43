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

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void shapeDragAndPlace();
    void doubleClickSetsTheCells();
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

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
