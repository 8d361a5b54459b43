#include "PanelFixture.h"

#include "Fonts.h"
#include "RuntimeError.h"

class tst_RouteSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void keyedRouteAndSection_data();
    void keyedRouteAndSection();
    void orderOfTheSteps();
    void refusalsKeepTheBoard_data();
    void refusalsKeepTheBoard();
};

void tst_RouteSetting::keyedRouteAndSection_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("kukanNo");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("folderEnd"); // how the fare folder's name ends

    QTest::newRow("00012/005") << "00012" << 5 << "005" << QString();
    QTest::newRow("empty section, folder with /") << "12" << 1 << QString() << "/";
    QTest::newRow("section 0, folder with \\") << "12" << 1 << "0" << QStringLiteral("\\");
    QTest::newRow("section 300") << "012" << 300 << "300" << QString();
    QTest::newRow("section 301 of 301 rows") << "12" << 300 << "301" << QString();
}

void tst_RouteSetting::keyedRouteAndSection()
{
    QFETCH(QString, route);
    QFETCH(int, kukanNo);
    QFETCH(QString, section);
    QFETCH(QString, folderEnd);

    PanelFixture f;
    QDir(f.folder.path()).mkdir(QStringLiteral("fares"));
    f.write(QStringLiteral("fares/12.hy3"), fareRows(301));
    f.option.Text2[0]->setText(f.path(QStringLiteral("fares")) + folderEnd);
    f.setRoute(route, section);
    QCOMPARE(f.app->dataIo.KeitoNo, route);
    QCOMPARE(f.app->dataIo.KukanNo, qint16(kukanNo));
    QCOMPARE(f.stopName(), QStringLiteral("S%1").arg(kukanNo));
}

void tst_RouteSetting::orderOfTheSteps()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(8));
    f.option.txtSelectSound[0]->setText(f.sound(QStringLiteral("keito.wav")));
    f.keys(QStringLiteral("系統 1 2 区間 3"));
    f.audio.take();
    QString during; // the board when the first wait begins
    f.waits.advance = [&](qint64 ms) {
        if (during.isEmpty())
            during = QStringLiteral("%1 %2 %3 %4")
                         .arg(f.stopName(), f.cell(1).toString(), f.cell(24).toString())
                         .arg(int(f.panel.Command2[0]->isEnabled()));
        f.audio.advance(ms);
        f.clock.advanceMs(ms);
    };
    PanelFixture::click(f.panel.Command1[1]);

    // The sound first, without waiting; then the lamp test of 3 s with every segment lit.
    const QStringList sounds = f.audio.take();
    QVERIFY(sounds.contains(QStringLiteral("open 0 Wave keito.wav")));
    QVERIFY(sounds.contains(QStringLiteral("play 0")));
    QCOMPARE(f.waits.log, QStringList{QStringLiteral("sleep 3000")});
    QCOMPARE(during, QStringLiteral("系統設定 8888 8888 0"));
    // Then 0 below the section, the fares from it on, and the buttons enabled.
    QCOMPARE(f.cell(2), QVariant(qint16(0)));
    QCOMPARE(f.cell(3), QVariant(qint16(33)));
    QVERIFY(f.panel.Command2[0]->isEnabled());
    QCOMPARE(f.panel.KeitoDate, QStringLiteral("12-06-2026"));
}

void tst_RouteSetting::refusalsKeepTheBoard_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("file"); // null: none
    QTest::addColumn<QString>("message");

    QTest::newRow("no file") << "1" << QByteArray() << "指定した系統のデータがありません...";
    QTest::newRow("empty file") << "1" << QByteArray("")
                                << "指定した系統はデータの数が0(未登録)の可能性があります...";
    QTest::newRow("last row as section")
        << "10" << fareRows(10)
        << "指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.";
    QTest::newRow("general failure: its description")
        << "1" << Hy3Writer().count(-32768).bytes()
        << Failure::of(RuntimeError::Overflow, QStringLiteral("(7.hy3)")).description;
}

void tst_RouteSetting::refusalsKeepTheBoard()
{
    QFETCH(QString, section);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);

    PanelFixture f(true);
    f.write(QStringLiteral("12.hy3"), fareRows(6));
    f.setRoute(QStringLiteral("12"), QStringLiteral("2"));
    const QString date = f.panel.KeitoDate;
    f.clock.advanceMs(2LL * 24 * 3600 * 1000);
    f.waits.log.clear();
    if (!file.isNull())
        f.write(QStringLiteral("7.hy3"), file);
    f.write(QStringLiteral("7tp.csv"), tapeFile({{QStringLiteral("一"), 0, 0}}));
    f.setRoute(QStringLiteral("007"), section);

    QCOMPARE(
        f.dialogs.shown,
        (QList{FakeDialogs::Shown{message, Dialogs::Ok, Dialogs::NoIcon, QStringLiteral("ルクシオVer4")}}));
    // The route's tape is loaded before its fare file is looked at.
    QCOMPARE(f.app->tape.TapeCount(), 1);
    QVERIFY(f.panel.cmdTapeNext->isEnabled());
    // No lamp test; the board, the date and the buttons of the route before stay.
    QVERIFY(f.waits.log.isEmpty());
    QCOMPARE(f.panel.KeitoDate, date);
    QCOMPARE(f.stopName(), QStringLiteral("S2"));
    QVERIFY(f.panel.Command2[0]->isEnabled());
}

QTEST_MAIN(tst_RouteSetting)
#include "tst_RouteSetting.moc"
