#include "PanelFixture.h"

#include "Fonts.h"
#include "Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

int opened(const QStringList &log, int channel)
{
    return int(log.filter(QStringLiteral("open %1 ").arg(channel)).size());
}

} // namespace

class tst_frmCtl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void panelAsLoaded();
    void keypad_data();
    void keypad();
    void keypadRouteSetting();
    void dataStepsStopAtBothEnds();
    void dataStepsNeverPassTheHeldRows_data();
    void dataStepsNeverPassTheHeldRows();
    void stepSoundByData_data();
    void stepSoundByData();
    void stepSoundWithWait();
    void tapeEntryMovesTheBoard();
    void scrollBarsSendBothValues();
    void versionBox();
    void ctrlDataInfoRoundTrip();
};

void tst_frmCtl::panelAsLoaded()
{
    PanelFixture f;
    QCOMPARE(f.panel.windowTitle(), QStringLiteral("集中操作盤"));
    QCOMPARE(f.board.windowTitle(), QStringLiteral("ルクシオ - 型番:109"));
    QCOMPARE(f.panel.size(), QSize(twipsToPixels(5295), twipsToPixels(2595)));
    for (QWidget *w :
         {static_cast<QWidget *>(f.panel.Command2[0]), static_cast<QWidget *>(f.panel.Command2[1]),
          static_cast<QWidget *>(f.panel.Check1), static_cast<QWidget *>(f.panel.cmdTapeNext)})
        QVERIFY(!w->isEnabled());
    QVERIFY(f.panel.Option4[0]->isChecked());
    QCOMPARE(f.panel.Check4->text(), QStringLiteral(">>"));
    QCOMPARE(f.panel.CommandButton1[10]->text(), QStringLiteral("系統"));
    QCOMPARE(f.panel.CommandButton1[11]->text(), QStringLiteral("区間"));
    QCOMPARE(f.panel.HScroll1[0]->minimum(), 1);
    QCOMPARE(f.panel.HScroll1[0]->maximum(), 2000);
    QCOMPARE(f.panel.HScroll1[1]->maximum(), 3000);
    // Without speech the tape says so.
    QCOMPARE(f.panel.grpM_Tape->title(), QStringLiteral("音合使用不可"));

    // Telephone order: 7 8 9 on top, 0 系統 区間 at the bottom.
    QCOMPARE(f.panel.CommandButton1[7]->y(), f.panel.CommandButton1[9]->y());
    QVERIFY(f.panel.CommandButton1[7]->x() < f.panel.CommandButton1[8]->x());
    QVERIFY(f.panel.CommandButton1[7]->y() < f.panel.CommandButton1[4]->y());
    QVERIFY(f.panel.CommandButton1[1]->y() < f.panel.CommandButton1[0]->y());
    QCOMPARE(f.panel.CommandButton1[0]->y(), f.panel.CommandButton1[11]->y());
    QVERIFY(f.panel.CommandButton1[10]->x() < f.panel.CommandButton1[11]->x());

    // Each key is cut to its rounded face.
    for (const QPushButton *key : f.panel.CommandButton1) {
        const QRegion shape = key->mask();
        QVERIFY(!shape.contains(QPoint(1, 1)));
        QVERIFY(!shape.contains(QPoint(14, 1)));
        QVERIFY(!shape.contains(QPoint(1, 12)));
        QVERIFY(shape.contains(QPoint(2, 2)));
        QVERIFY(shape.contains(QPoint(27, 24)));
        QVERIFY(!shape.contains(QPoint(28, 12)));
        QVERIFY(!shape.contains(QPoint(14, 25)));
    }
}

void tst_frmCtl::keypad_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("section");

    QTest::newRow("section takes three digits") << "区間 1 2 3 4"
                                                << ""
                                                << "123";
    QTest::newRow("route takes five digits") << "系統 0 0 0 1 2 3"
                                             << "00012"
                                             << "";
    QTest::newRow("digits before any 系統 go to the section") << "4 2"
                                                              << ""
                                                              << "42";
    QTest::newRow("系統 empties only the route") << "区間 5 系統 1 2 系統"
                                                 << ""
                                                 << "5";
    QTest::newRow("区間 empties only the section") << "区間 5 系統 1 2 区間"
                                                   << "12"
                                                   << "";
    QTest::newRow("both") << "系統 1 2 区間 5"
                          << "12"
                          << "5";
    QTest::newRow("back to the section") << "系統 1 区間 7 8 9 0"
                                         << "1"
                                         << "789";
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

void tst_frmCtl::keypadRouteSetting()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(6));
    f.keys(QStringLiteral("系統 0 0 0 1 2"));
    PanelFixture::click(f.panel.Command1[1]);

    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.app->dataIo.KeitoNo, QStringLiteral("00012"));
    QCOMPARE(f.app->dataIo.HyCount, qint16(6));
    QCOMPARE(f.app->dataIo.KukanNo, qint16(1)); // no section keyed in
    QCOMPARE(f.stopName(), QStringLiteral("S1"));
    QCOMPARE(f.cell(1), QVariant(qint16(11)));
    // The displays are read, not cleared.
    QCOMPARE(f.panel.Label2[0]->text(), QStringLiteral("00012"));
    QVERIFY(f.panel.Command2[1]->isEnabled());
    QVERIFY(f.panel.Check1->isEnabled());
}

void tst_frmCtl::dataStepsStopAtBothEnds()
{
    PanelFixture f;
    f.write(QStringLiteral("5.hy3"), fareRows(10));
    f.option.txtSelectSound[7]->setText(f.sound(QStringLiteral("step.wav")));
    f.setRoute(QStringLiteral("5"), QStringLiteral("9"));
    QCOMPARE(f.stopName(), QStringLiteral("S9"));

    f.audio.take();
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.stopName(), QStringLiteral("S10"));
    QCOMPARE(f.cell(24), QVariant(qint16(124)));
    QCOMPARE(opened(f.audio.take(), 1), 1);

    // The last row: nothing at all, no sound.
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
    QCOMPARE(f.app->dataIo.DataPos, qint16(lastRow - 1));
    QCOMPARE(f.stopName(), QStringLiteral("S%1").arg(lastRow));
}

void tst_frmCtl::stepSoundByData_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("sound");

    QTest::newRow("1") << 1 << "one.wav";
    QTest::newRow("2") << 2 << "two.wav";
    QTest::newRow("3") << 3 << "three.wav";
    QTest::newRow("4: none") << 4 << "";
    QTest::newRow("0: none") << 0 << "";
    QTest::newRow("-1: none") << -1 << "";
}

void tst_frmCtl::stepSoundByData()
{
    QFETCH(int, value);
    QFETCH(QString, sound);

    PanelFixture f;
    Hy3Writer w;
    w.row({"A", 1, {{30, 1}}}).row({"B", 2, {{30, qint16(value)}}}).row({"C", 3, {}});
    f.write(QStringLiteral("8.hy3"), w.bytes());
    f.option.Option2[1]->setChecked(true);
    f.option.Combo1->setCurrentIndex(29); // column 30
    f.option.txtSelectSound[7]->setText(f.sound(QStringLiteral("always.wav")));
    f.option.txtSelectSound[8]->setText(f.sound(QStringLiteral("one.wav")));
    f.option.txtSelectSound[9]->setText(f.sound(QStringLiteral("two.wav")));
    f.option.txtSelectSound[10]->setText(f.sound(QStringLiteral("three.wav")));
    f.setRoute(QStringLiteral("8"), QStringLiteral("1"));
    f.audio.take();

    PanelFixture::click(f.panel.Command2[1]);
    const QStringList log = f.audio.take();
    QCOMPARE(log.filter(QStringLiteral("open 1 ")),
             sound.isEmpty() ? QStringList() : QStringList{QStringLiteral("open 1 Wave ") + sound});
    // The board moves whatever the sound.
    QCOMPARE(f.stopName(), QStringLiteral("B"));
}

void tst_frmCtl::stepSoundWithWait()
{
    PanelFixture f;
    f.write(QStringLiteral("5.hy3"), fareRows(3));
    f.option.txtSelectSound[7]->setText(f.sound(QStringLiteral("step.wav")));
    f.audio.lengthMs[QStringLiteral("step.wav")] = 700;
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));

    // Async: the board changes while the sound plays.
    QString nameAtSoundEnd;
    QObject::connect(&f.audio, &AudioOut::finished, [&] { nameAtSoundEnd = f.stopName(); });
    PanelFixture::click(f.panel.Command2[1]);
    QVERIFY(f.audio.isPlaying(1));
    QCOMPARE(f.stopName(), QStringLiteral("S2"));

    // Sync: the board changes only after the sound has ended.
    f.option.Option6[0]->setChecked(true);
    f.waits.log.clear();
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.waits.log, QStringList({QStringLiteral("waited 700"), QStringLiteral("sleep 0")}));
    QCOMPARE(nameAtSoundEnd, QStringLiteral("S2"));
    QCOMPARE(f.stopName(), QStringLiteral("S3"));
}

void tst_frmCtl::tapeEntryMovesTheBoard()
{
    PanelFixture f(true);
    f.write(QStringLiteral("5.hy3"), fareRows(5));
    f.write(QStringLiteral("5tp.csv"),
            tapeFile({{QStringLiteral("次は二番"), 0, 0},
                      {QStringLiteral("二番です"), 1, 0},
                      {QStringLiteral("三番です"), 1, 0}}));
    f.option.txtSelectSound[7]->setText(f.sound(QStringLiteral("step.wav")));
    f.setRoute(QStringLiteral("5"), QStringLiteral("1"));
    QVERIFY(f.panel.cmdTapeNext->isEnabled());
    f.audio.take();

    PanelFixture::click(f.panel.cmdTapeNext);
    QCOMPARE(f.stopName(), QStringLiteral("S1"));
    QCOMPARE(opened(f.audio.take(), 1), 0);

    PanelFixture::click(f.panel.cmdTapeNext);
    QCOMPARE(f.stopName(), QStringLiteral("S2"));
    QCOMPARE(f.audio.take().filter(QStringLiteral("open 1 ")),
             QStringList{QStringLiteral("open 1 Wave step.wav")});
    PanelFixture::click(f.panel.cmdTapeNext);
    QCOMPARE(f.stopName(), QStringLiteral("S3"));
    QCOMPARE(
        f.speech->spoken(),
        QStringList({QStringLiteral("次は二番"), QStringLiteral("二番です"), QStringLiteral("三番です")}));

    // Back onto an entry with the flag moves the board back.
    PanelFixture::click(f.panel.cmdTapeBack);
    QCOMPARE(f.app->tape.TapePosition(), 2);
    QCOMPARE(f.stopName(), QStringLiteral("S2"));
    PanelFixture::click(f.panel.cmdTapeBack);
    QCOMPARE(f.stopName(), QStringLiteral("S2"));
}

void tst_frmCtl::scrollBarsSendBothValues()
{
    PanelFixture f;
    ChimeiCtl_E &strip = *f.board.ChimeiCtl;
    QCOMPARE(f.panel.Label1[0]->text(), QStringLiteral("1"));

    f.panel.HScroll1[0]->setValue(40);
    QCOMPARE(f.panel.Label1[0]->text(), QStringLiteral("40"));
    QCOMPARE(strip.Speed(), qint16(40));
    QCOMPARE(strip.ScrollStartWait(), 0);

    strip.setSpeed(5);
    f.panel.HScroll1[1]->setValue(700);
    QCOMPARE(f.panel.Label1[1]->text(), QStringLiteral("700"));
    QCOMPARE(strip.ScrollStartWait(), 700);
    QCOMPARE(strip.Speed(), qint16(40));
}

void tst_frmCtl::versionBox()
{
    PanelFixture f;
    bool boardEnabled = true;
    f.dialogs.onVersionDialog = [&] { boardEnabled = f.board.isEnabled(); };
    PanelFixture::click(f.panel.Command8);

    QCOMPARE(f.dialogs.versionTexts.size(), 1);
    const QString text = f.dialogs.versionTexts[0];
    QVERIFY2(text.startsWith(QStringLiteral("型番：109\r\nバージョン：0.0.0\r\n\r\n")), qPrintable(text));
    for (const char *credit :
         {"DSEG7", "SIL Open Font License 1.1", "IPA", "nitech_jp_atr503_m001", "CC BY 3.0"})
        QVERIFY2(text.contains(QLatin1String(credit)), credit);
    QVERIFY(!boardEnabled);
    QVERIFY(f.board.isEnabled());
}

void tst_frmCtl::ctrlDataInfoRoundTrip()
{
    PanelFixture f;
    CtrlDataInfo &info = f.app->iniIo.IniData.CtrlDataInfo;
    info = {1, 250, 1200, 1, 1, 1500, 3000};
    f.panel.SetCtrlDataInfo();

    QCOMPARE(f.panel.pos(), QPoint(100, 200));
    QCOMPARE(f.panel.HScroll1[0]->value(), 250);
    QCOMPARE(f.board.ChimeiCtl->ScrollStartWait(), 1200);
    QCOMPARE(f.panel.CtlPage, qint16(1));
    QCOMPARE(f.frontPage(), 0);
    QVERIFY(f.panel.Check2->isChecked());
    QCOMPARE(f.panel.width(), twipsToPixels(9000 - 90));
    QCOMPARE(f.panel.Check4->text(), QStringLiteral("<<"));

    info = {};
    f.panel.GetCtrlDataInfo();
    QCOMPARE(info.CtlPage, qint16(1));
    QCOMPARE(info.CtlHScroll0, 250);
    QCOMPARE(info.CtlHScroll1, 1200);
    QCOMPARE(info.CtlShinya, qint16(1));
    QCOMPARE(info.CtlPreview, qint16(1));
    QCOMPARE(info.CtlLeft, 1500);
    QCOMPARE(info.CtlTop, 3000);

    // The page switch at the end works on the restored page: 0 shows the keypad again.
    info.CtlPage = 0;
    info.CtlPreview = 0;
    f.panel.SetCtrlDataInfo();
    QCOMPARE(f.panel.CtlPage, qint16(0));
    QCOMPARE(f.frontPage(), 1);
    QCOMPARE(f.panel.width(), twipsToPixels(5385 - 90));
}

QTEST_MAIN(tst_frmCtl)
#include "tst_frmCtl.moc"
