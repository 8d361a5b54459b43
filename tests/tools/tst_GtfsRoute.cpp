// The sample feed's route imported and set on the panel, as the README shows it.

#include "GtfsImport.h"
#include "PanelFixture.h"

#include "Fonts.h"

class tst_GtfsRoute : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void importedRouteRunsOnTheBoard();
};

void tst_GtfsRoute::importedRouteRunsOnTheBoard()
{
    PanelFixture f(true);
    auto opened = GtfsSource::open(QStringLiteral(SAMPLE_DIR "/gtfs"));
    QVERIFY(std::holds_alternative<std::unique_ptr<GtfsSource>>(opened));
    auto imported = GtfsImport::importRoute(*std::get<std::unique_ptr<GtfsSource>>(opened), "R10");
    QVERIFY(std::holds_alternative<GtfsImport::Result>(imported));
    const GtfsImport::Result &r = std::get<GtfsImport::Result>(imported);
    f.write(QStringLiteral("10.hy3"), r.hy3);
    f.write(QStringLiteral("10tp.csv"), r.tape);
    f.write(QStringLiteral("yomi.csv"), YomiFile::append({}, r.readings).bytes);

    f.setRoute(QStringLiteral("10"), QStringLiteral("1"));
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.stopName(), QStringLiteral("中央駅前"));
    QCOMPARE(f.app->tape.TapeCount(), 12);
    QVERIFY(f.speech->readings.contains(YomiFile::Entry{"新田橋", "にったばし"}));

    // Four stops on: 新田橋, the first stop of ticket 3, from 240 yen for ticket 1.
    for (int i = 0; i < 4; ++i)
        PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.stopName(), QStringLiteral("新田橋"));
    QCOMPARE(f.cell(1), QVariant(qint16(240)));
    QCOMPARE(f.cell(2), QVariant(qint16(210)));
    QCOMPARE(f.cell(3), QVariant(qint16(0)));
    PanelFixture::click(f.panel.Command2[1]);
    QCOMPARE(f.cell(3), QVariant(qint16(210)));

    // The tape from the start: the welcome keeps the board, the next stop moves it.
    f.setRoute(QStringLiteral("10"), QStringLiteral("1"));
    PanelFixture::click(f.panel.cmdTapeNext);
    QCOMPARE(f.stopName(), QStringLiteral("中央駅前"));
    PanelFixture::click(f.panel.cmdTapeNext);
    QCOMPARE(
        f.speech->spoken(),
        (QStringList{"ご乗車ありがとうございます。このバスは、北部車庫行きです。", "次は、市役所前です。"}));
    QCOMPARE(f.stopName(), QStringLiteral("市役所前"));
    QCOMPARE(f.cell(1), QVariant(qint16(180)));
}

QTEST_MAIN(tst_GtfsRoute)
#include "tst_GtfsRoute.moc"
