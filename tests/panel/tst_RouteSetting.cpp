#include "PanelFixture.h"

#include "Dialogs.h"
#include "Fonts.h"
#include "RuntimeError.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

class tst_RouteSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void keyedRouteAndSection_data();
    void keyedRouteAndSection();
    void fromTheDigitLists();
    void orderOfTheSteps();
    void refusals_data();
    void refusals();
    void refusedSettingKeepsTheBoard();
    void fareFolderWithOrWithoutSeparator_data();
    void fareFolderWithOrWithoutSeparator();
    void fixedDate();
};

void tst_RouteSetting::keyedRouteAndSection_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("kukanNo");

    QTest::newRow("00012/005") << "00012"
                               << "005" << 5;
    QTest::newRow("12/5") << "12"
                          << "5" << 5;
    QTest::newRow("empty section") << "12"
                                   << "" << 1;
    QTest::newRow("section 0") << "12"
                               << "0" << 1;
    QTest::newRow("section 300") << "012"
                                 << "300" << 300;
    QTest::newRow("section 999") << "12"
                                 << "999" << 300;
    QTest::newRow("section 301") << "12"
                                 << "301" << 300;
}

void tst_RouteSetting::keyedRouteAndSection()
{
    QFETCH(QString, route);
    QFETCH(QString, section);
    QFETCH(int, kukanNo);

    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(301));
    f.setRoute(route, section);

    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.app->dataIo.KeitoNo, route);
    QCOMPARE(f.app->dataIo.KukanNo, qint16(kukanNo));
    QCOMPARE(f.app->dataIo.DataPos, qint16(kukanNo - 1));
    QCOMPARE(f.stopName(), QStringLiteral("S%1").arg(kukanNo));
}

void tst_RouteSetting::fromTheDigitLists()
{
    PanelFixture f;
    f.write(QStringLiteral("120.hy3"), fareRows(10));
    f.option.txtSelectSound[0]->setText(f.sound(QStringLiteral("keito.wav")));
    f.option.txtSelectSound[1]->setText(f.sound(QStringLiteral("reset.wav")));
    f.audio.take();
    // Lists without a selection give nothing: 1, 2, 0 from the last three.
    f.panel.List2[2]->setCurrentRow(1);
    f.panel.List2[3]->setCurrentRow(2);
    f.panel.List2[4]->setCurrentRow(0);
    f.panel.List3[1]->setCurrentRow(0);
    f.panel.List3[2]->setCurrentRow(7);
    QCOMPARE(f.audio.take().filter(QStringLiteral("open 0")),
             QStringList({QStringLiteral("open 0 Wave reset.wav"), QStringLiteral("open 0 Wave reset.wav"),
                          QStringLiteral("open 0 Wave reset.wav"), QStringLiteral("open 0 Wave keito.wav"),
                          QStringLiteral("open 0 Wave keito.wav")}));

    PanelFixture::click(f.panel.Command1[0]);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.app->dataIo.KeitoNo, QStringLiteral("120"));
    QCOMPARE(f.app->dataIo.KukanNo, qint16(7));
    QCOMPARE(f.stopName(), QStringLiteral("S7"));
}

void tst_RouteSetting::orderOfTheSteps()
{
    PanelFixture f(true);
    f.write(QStringLiteral("12.hy3"), fareRows(8));
    f.write(QStringLiteral("12tp.csv"), tapeFile({{QStringLiteral("発車します"), 0, 0}}));
    f.option.txtSelectSound[0]->setText(f.sound(QStringLiteral("keito.wav")));
    f.keys(QStringLiteral("系統 1 2 区間 3"));
    f.audio.take();

    QStringList during;
    f.waits.advance = [&](qint64 ms) {
        if (during.isEmpty()) {
            during << f.stopName() << f.cell(1).toString() << f.cell(24).toString();
            during << QString::number(f.panel.Command2[0]->isEnabled());
        }
        f.audio.advance(ms);
        f.clock.advanceMs(ms);
    };
    PanelFixture::click(f.panel.Command1[1]);

    // The sound first, without waiting; then the lamp test of 3 s with every segment lit.
    const QStringList sounds = f.audio.take();
    QVERIFY(sounds.contains(QStringLiteral("open 0 Wave keito.wav")));
    QVERIFY(sounds.contains(QStringLiteral("play 0")));
    QCOMPARE(f.waits.log, QStringList{QStringLiteral("sleep 3000")});
    QCOMPARE(during,
             QStringList({QStringLiteral("系統設定"), QStringLiteral("8888"), QStringLiteral("8888"),
                          QStringLiteral("0")}));
    // Then 0 below the section, the fares from it on, and the buttons enabled.
    QCOMPARE(f.cell(2), QVariant(qint16(0)));
    QCOMPARE(f.cell(3), QVariant(qint16(33)));
    QVERIFY(f.panel.Command2[0]->isEnabled());
    QVERIFY(f.panel.Check1->isEnabled());
    QCOMPARE(f.app->tape.TapeCount(), 1);
    QCOMPARE(f.panel.KeitoDate, QStringLiteral("12-06-2026"));
}

void tst_RouteSetting::refusals_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("message");

    QTest::newRow("no file") << false << QByteArray() << "1"
                             << "指定した系統のデータがありません...";
    QTest::newRow("empty file") << true << QByteArray() << "1"
                                << "指定した系統はデータの数が0(未登録)の可能性があります...";
    QTest::newRow("section beyond")
        << true << fareRows(10) << "999"
        << "指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.";
    QTest::newRow("general failure: its description")
        << true << Hy3Writer().count(-32768).bytes() << "1"
        << Failure::of(RuntimeError::Overflow, QStringLiteral("(7.hy3)")).description;
    QTest::newRow("last row as section")
        << true << fareRows(10) << "10"
        << "指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.";
}

void tst_RouteSetting::refusals()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, message);

    PanelFixture f(true);
    if (exists)
        f.write(QStringLiteral("7.hy3"), file);
    f.write(QStringLiteral("7tp.csv"),
            tapeFile({{QStringLiteral("一"), 0, 0}, {QStringLiteral("二"), 0, 0}}));
    f.setRoute(QStringLiteral("007"), section);

    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0],
             (FakeDialogs::Shown{message, Dialogs::Ok, Dialogs::NoIcon, QStringLiteral("ルクシオVer4")}));
    // The tape of the route is loaded before the fare file is looked at.
    QCOMPARE(f.app->tape.TapeCount(), 2);
    QVERIFY(f.panel.cmdTapeNext->isEnabled());
    // No lamp test, no board, the buttons as they were.
    QVERIFY(f.waits.log.isEmpty());
    QVERIFY(!f.panel.Command2[1]->isEnabled());
    QCOMPARE(f.app->dataIo.KeitoNo, QStringLiteral("007"));
    QCOMPARE(QFile::exists(f.path(QStringLiteral("7.hy3"))), exists);
}

void tst_RouteSetting::refusedSettingKeepsTheBoard()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(6));
    f.setRoute(QStringLiteral("12"), QStringLiteral("2"));
    const QString date = f.panel.KeitoDate;
    f.clock.advanceMs(2LL * 24 * 3600 * 1000);

    f.setRoute(QStringLiteral("13"), QStringLiteral("4"));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.panel.Command2[0]->isEnabled());
    QVERIFY(f.panel.Check1->isEnabled());
    QCOMPARE(f.panel.KeitoDate, date);
    QCOMPARE(f.cell(2), QVariant(qint16(22)));
    QCOMPARE(f.stopName(), QStringLiteral("S2"));
    // The new values are kept; later refreshes of the old route use them.
    QCOMPARE(f.app->dataIo.KukanNo, qint16(4));
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.cell(3), QVariant(qint16(23)));
    QCOMPARE(f.cell(4), QVariant(qint16(34)));
}

void tst_RouteSetting::fareFolderWithOrWithoutSeparator_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("without") << "";
    QTest::newRow("with /") << "/";
    QTest::newRow("with \\") << "\\";
}

void tst_RouteSetting::fareFolderWithOrWithoutSeparator()
{
    QFETCH(QString, ending);
    PanelFixture f;
    QDir(f.folder.path()).mkdir(QStringLiteral("fares"));
    f.write(QStringLiteral("fares/12.hy3"), fareRows(3));
    f.option.Text2[0]->setText(f.path(QStringLiteral("fares")) + ending);
    f.setRoute(QStringLiteral("12"), QStringLiteral("2"));
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.stopName(), QStringLiteral("S2"));
}

void tst_RouteSetting::fixedDate()
{
    PanelFixture f;
    f.write(QStringLiteral("12.hy3"), fareRows(3));
    f.option.Option4[2]->setChecked(true);
    f.option.Label10->setText(QStringLiteral("2024/03/05"));
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QCOMPARE(f.panel.KeitoDate, QStringLiteral("2024/03/05"));

    f.option.Option4[1]->setChecked(true);
    f.setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QCOMPARE(f.panel.KeitoDate, QStringLiteral("12-06-2026"));
}

QTEST_MAIN(tst_RouteSetting)
#include "tst_RouteSetting.moc"
