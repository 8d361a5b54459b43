#include "Readings.h"

#include <QTest>

class tst_Readings : public QObject
{
    Q_OBJECT

private slots:
    void apply_data() // the text is the row's name
    {
        QTest::addColumn<QString>("read");
        const auto row = [](const char *text, const char *read) { QTest::newRow(text) << QString(read); };
        row("北部車庫行きです。", "北部車庫ゆきです。");         // the destination
        row("東京行きました", "東京行きました");                 // the verb, after a name
        row("みなとみらい行きです。", "みなとみらいゆきです。"); // a name in kana
        row("駅に行き、", "駅に行き、");                         // the verb after a particle
        row("お急ぎの方は、お近くの", "おいそぎのかたは、お近くの");
        row("こちらの方は", "こちらの方は"); // the side, as the dictionary has it
        row("行き先をご確認ください。", "ゆきさきをご確認ください。");
        row("前扉からお降りください。", "まえとびらからおおりください。");
        // The user's entries come before the table, the longest first, each replacement read once.
        row("お降りの方", "おりるの方");
        row("本町一丁目と本町", "ほんまちいっちょうめとほんまち");
        row("新田", "しんでん");
    }

    void apply()
    {
        QFETCH(QString, read);
        Readings r;
        r.setUserEntries({{"お降りの方", "おりるの方"},
                          {"本町", "ほんまち"},
                          {"本町一丁目", "ほんまちいっちょうめ"},
                          {"新田", "しんでん"},
                          {"しんでん", "X"}});
        QCOMPARE(r.apply(QString::fromUtf8(QTest::currentDataTag())), read);
    }
};

QTEST_GUILESS_MAIN(tst_Readings)
#include "tst_Readings.moc"
