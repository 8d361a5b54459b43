#include "PanelFixture.h"

#include "Fonts.h"
#include "RuntimeError.h"

class tst_RouteSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void routeThenRefusal_data();
    void routeThenRefusal();
};

void tst_RouteSetting::routeThenRefusal_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("file"); // route 7's; null: none
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("lastRow"); // where data steps stop
    const QString beyond =
        QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.");
    QTest::newRow("no file") << "1" << QByteArray() << "指定した系統のデータがありません..." << 6;
    QTest::newRow("last row as section") << "10" << fareRows(10) << beyond << 6;
    QTest::newRow("general failure: its description")
        << "1" << Hy3Writer().count(-32768).bytes()
        << Failure::of(RuntimeError::Overflow, QStringLiteral("(7.hy3)")).description << 6;
    // The refused file's count is kept: where the shown row is its last, stepping stops there.
    QTest::newRow("shown row the refused file's last") << "5" << fareRows(3) << beyond << 3;
}

// Route 12 keyed with leading zeros from a folder ended as in a Windows setting, then route 7 refused.
void tst_RouteSetting::routeThenRefusal()
{
    QFETCH(QString, section);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(int, lastRow);
    PanelFixture f(true);
    f.write(QStringLiteral("12.hy3"), fareRows(6));
    f.option.Text2[0]->setText(f.folder.path() + u'\\');
    f.option.txtSelectSound[0]->setText(f.sound(QStringLiteral("keito.wav")));
    QStringList during; // the board at the wait
    const auto advance = f.waits.advance;
    f.waits.advance = [&, advance](qint64 ms) {
        during = {f.stopName(), f.cell(1).toString(), f.cell(24).toString(),
                  QString::number(f.panel.Command2[0]->isEnabled())};
        advance(ms);
    };
    f.setRoute(QStringLiteral("00012"), QStringLiteral("003"));

    // The sound first, without waiting; then the lamp test of 3 s with every segment lit.
    const QStringList sounds = f.audio.take();
    QVERIFY(sounds.contains("open 0 Wave keito.wav") && sounds.contains("play 0"));
    QCOMPARE(f.waits.log, QStringList{QStringLiteral("sleep 3000")});
    QCOMPARE(during, (QStringList{"系統設定", "8888", "8888", "0"}));
    // Then 0 below the section, the fares from it on, and the buttons enabled.
    QCOMPARE(f.cell(2), QVariant(qint16(0)));
    QCOMPARE(f.cell(3), QVariant(qint16(33)));
    QVERIFY(f.panel.Command2[0]->isEnabled());
    QCOMPARE(f.panel.KeitoDate, QStringLiteral("12-06-2026"));
    QCOMPARE(f.app->dataIo.KeitoNo, QStringLiteral("00012"));
    QCOMPARE(f.app->dataIo.KukanNo, qint16(3));
    QCOMPARE(f.stopName(), QStringLiteral("S3"));

    f.clock.advanceMs(2LL * 24 * 3600 * 1000);
    f.waits.log.clear();
    if (!file.isNull())
        f.write(QStringLiteral("7.hy3"), file);
    f.write(QStringLiteral("7tp.csv"), tapeFile({{QStringLiteral("一"), 0, 0}}));
    f.setRoute(QStringLiteral("007"), section);
    const FakeDialogs::Shown told{message, Dialogs::Ok, Dialogs::NoIcon, QStringLiteral("ルクシオVer4")};
    QCOMPARE(f.dialogs.shown, QList{told});
    // The route's tape is loaded before its fare file is looked at.
    QCOMPARE(f.app->tape.TapeCount(), 1);
    QVERIFY(f.panel.cmdTapeNext->isEnabled());
    // No lamp test; the board, the date and the buttons of the route before stay.
    QVERIFY(f.waits.log.isEmpty());
    QCOMPARE(f.panel.KeitoDate, QStringLiteral("12-06-2026"));
    QCOMPARE(f.stopName(), QStringLiteral("S3"));
    QVERIFY(f.panel.Command2[0]->isEnabled());
    // Data steps never pass the six rows still held.
    for (int i = 0; i < 10; ++i)
        PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.stopName(), QStringLiteral("S%1").arg(lastRow));
}

QTEST_MAIN(tst_RouteSetting)
#include "tst_RouteSetting.moc"
