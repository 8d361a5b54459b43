#include "WindowShape.h"

#include <QTest>

class tst_WindowShape : public QObject
{
    Q_OBJECT

private slots:
    // One screen of 1280 x 800 with a panel along the bottom, or two side by side.
    void reachablePosition_data()
    {
        QTest::addColumn<QPoint>("saved");
        QTest::addColumn<bool>("twoScreens");
        QTest::addColumn<bool>("titleBar");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("title bar just above the screen") << QPoint(-1, -20) << false << true << QPoint(0, 0);
        QTest::newRow("title bar below the free room's reach")
            << QPoint(100, 795) << false << true << QPoint(100, 560);
        QTest::newRow("only 50 px of the title bar shown")
            << QPoint(-250, 100) << false << true << QPoint(0, 100);
        QTest::newRow("100 px of it shown") << QPoint(-200, 100) << false << true << QPoint(-200, 100);
        QTest::newRow("on the second screen") << QPoint(1500, 100) << true << true << QPoint(1500, 100);
        QTest::newRow("on a screen that is gone") << QPoint(1500, 100) << false << true << QPoint(980, 100);
        // The board has no title bar: whatever of it a screen shows keeps it there.
        QTest::newRow("board above the screen") << QPoint(100, -20) << false << false << QPoint(100, -20);
        QTest::newRow("board on a screen that is gone")
            << QPoint(1500, 100) << false << false << QPoint(980, 100);
    }

    void reachablePosition()
    {
        QFETCH(QPoint, saved);
        QFETCH(bool, twoScreens);
        QFETCH(bool, titleBar);
        QFETCH(QPoint, placed);
        QList<QRect> screens{QRect(0, 0, 1280, 800)};
        if (twoScreens)
            screens << QRect(1280, 0, 1280, 800);
        QCOMPARE(::reachablePosition(saved, QSize(300, 200), screens, QRect(0, 0, 1280, 760), titleBar),
                 placed);
    }
};

QTEST_GUILESS_MAIN(tst_WindowShape)
#include "tst_WindowShape.moc"
