#include "PanelFixture.h"

#include "Fonts.h"

#include <QLabel>
#include <QScreen>

class tst_frmCtl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void widenedPanelStaysOnTheScreen();
    void keypad_data();
    void keypad();
    void dataStepsStopAtBothEnds();
    void dataStepsNeverPassTheHeldRows_data();
    void dataStepsNeverPassTheHeldRows();
};

void tst_frmCtl::keypad_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("section");

    QTest::newRow("section takes three digits") << "区間 1 2 3 4" << QString() << "123";
    QTest::newRow("route takes five digits") << "系統 0 0 0 1 2 3" << QStringLiteral("00012") << QString();
    QTest::newRow("digits before any 系統 go to the section") << "4 2" << QString() << "42";
    QTest::newRow("系統 empties only the route") << "区間 5 系統 1 2 系統" << QString() << "5";
    QTest::newRow("区間 empties only the section")
        << "区間 5 系統 1 2 区間" << QStringLiteral("12") << QString();
}

void tst_frmCtl::keypad()
{
    QFETCH(QString, keys);
    QFETCH(QString, route);
    QFETCH(QString, section);

    PanelFixture f;
    f.option.txtSelectSound[1]->setText(f.sound(QStringLiteral("reset.wav")));
    f.audio.take();
    f.keys(keys);
    QCOMPARE(f.panel.Label2[0]->text(), route);
    QCOMPARE(f.panel.Label2[2]->text(), section);
    // Every key sounds, also one that a full display ignores.
    QCOMPARE(f.audio.take().filter(QStringLiteral("open 0 Wave reset.wav")).size(),
             keys.split(QLatin1Char(' ')).size());
}

void tst_frmCtl::dataStepsStopAtBothEnds()
{
    PanelFixture f;
    f.write(QStringLiteral("5.hy3"), fareRows(10));
    f.option.txtSelectSound[7]->setText(f.sound(QStringLiteral("step.wav")));
    f.setRoute(QStringLiteral("5"), QStringLiteral("9"));
    f.audio.take();
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.stopName(), QStringLiteral("S10"));
    QCOMPARE(f.cell(24), QVariant(qint16(124)));
    QCOMPARE(f.audio.take().filter(QStringLiteral("open 1 ")).size(), 1);

    // At either end a step does nothing at all, not even a sound.
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.app->dataIo.DataPos, qint16(9));
    QCOMPARE(f.audio.take(), QStringList());
    for (int row = 9; row >= 1; --row) {
        PanelFixture::click(f.panel.Command2[0]);
        QCOMPARE(f.stopName(), QStringLiteral("S%1").arg(row));
    }
    f.audio.take();
    f.board.ChimeiCtl->SetChimei(QStringLiteral("mark"));
    PanelFixture::click(f.panel.Command2[0]);
    QCOMPARE(f.app->dataIo.DataPos, qint16(0));
    QCOMPARE(f.audio.take(), QStringList());
    QCOMPARE(f.stopName(), QStringLiteral("mark"));
}

void tst_frmCtl::dataStepsNeverPassTheHeldRows_data()
{
    QTest::addColumn<QByteArray>("refused");
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("lastRow");

    // The refused file's count is kept, the table of six rows too.
    QTest::newRow("longer file") << Hy3Writer().count(20).bytes() << "30" << 6;
    QTest::newRow("empty file") << QByteArray() << "1" << 6;
    QTest::newRow("shorter file") << fareRows(2) << "5" << 6;
    // Where the shown row is the refused file's last, stepping stops there.
    QTest::newRow("shorter file, at its last row") << fareRows(3) << "5" << 3;
}

void tst_frmCtl::dataStepsNeverPassTheHeldRows()
{
    QFETCH(QByteArray, refused);
    QFETCH(QString, section);
    QFETCH(int, lastRow);

    PanelFixture f;
    f.write(QStringLiteral("5.hy3"), fareRows(6));
    f.setRoute(QStringLiteral("5"), QStringLiteral("2"));
    PanelFixture::click(f.panel.Command2[1]); // row 3
    f.write(QStringLiteral("6.hy3"), refused);
    f.setRoute(QStringLiteral("6"), section);
    QCOMPARE(f.dialogs.shown.size(), 1);
    for (int i = 0; i < 10; ++i)
        PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.stopName(), QStringLiteral("S%1").arg(lastRow));
}

// At first start the panel stands at the bottom right; >> widens it to the
// right, and it moves left to stay whole on the screen.
void tst_frmCtl::widenedPanelStaysOnTheScreen()
{
    PanelFixture f;
    f.panel.show();
    const QRect room = f.panel.screen()->availableGeometry();
    f.panel.placeAtBottomRight(room);
    QCOMPARE(f.panel.frameGeometry().bottomRight(), room.bottomRight());
    PanelFixture::click(f.panel.Check4);
    QVERIFY(f.panel.Check4->isChecked());
    QVERIFY(room.contains(f.panel.frameGeometry()));
    QCOMPARE(f.panel.frameGeometry().right(), room.right());
}

QTEST_MAIN(tst_frmCtl)
#include "tst_frmCtl.moc"
