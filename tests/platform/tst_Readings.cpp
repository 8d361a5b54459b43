#include "Readings.h"

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// How Open JTalk pronounces a text, in katakana, from its analysis: what a
// listener hears, without playing anything. Empty when it is not installed.
QString pronunciation(const QString &text)
{
    const QString dictionary = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
    QDirIterator voices(QStringLiteral("/usr/share/hts-voice"), {QStringLiteral("*.htsvoice")}, QDir::Files,
                        QDirIterator::Subdirectories);
    if (QStandardPaths::findExecutable(QStringLiteral("open_jtalk")).isEmpty() || !voices.hasNext())
        return {};
    QProcess jtalk;
    jtalk.start(QStringLiteral("open_jtalk"),
                {QStringLiteral("-x"), dictionary, QStringLiteral("-m"), voices.next(), QStringLiteral("-ot"),
                 QStringLiteral("/dev/stdout"), QStringLiteral("-ow"), QStringLiteral("/dev/null")});
    jtalk.write(text.toUtf8() + '\n');
    jtalk.closeWriteChannel();
    jtalk.waitForFinished();
    QString out;
    const QStringList lines = QString::fromUtf8(jtalk.readAllStandardOutput()).split(u'\n');
    for (const QString &line : lines.mid(lines.indexOf(QStringLiteral("[Text analysis result]")) + 1)) {
        if (line.isEmpty())
            break;
        out += line.section(u',', 9, 9);
    }
    return out;
}

} // namespace

class tst_Readings : public QObject
{
    Q_OBJECT

private slots:
    void apply_data() // the text is the row's name
    {
        QTest::addColumn<QString>("read");
        const auto row = [](const char *text, const char *read) { QTest::newRow(text) << QString(read); };
        row("北部車庫行きです。", "北部車庫ゆきです。"); // the destination
        row("東京行きました", "東京行きました");         // the verb, after a name
        row("行きは", "行きは");
        row("みなとみらい行きです。", "みなとみらいゆきです。"); // a name in kana
        row("駅に行き、", "駅に行き、");                         // the verb after a particle
        row("お急ぎの方は、お近くの", "おいそぎのかたは、お近くの");
        row("お越しの方は", "おこしのかたは");
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

    // What the synthesiser then says: the corrections reach its dictionary as meant.
    void heardAfterCorrection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heard"); // part of what it says
        QTest::newRow("a person") << "お降りの方は、お近くの"
                                  << "オオリノカタワ";
        QTest::newRow("a destination in kana") << "みなとみらい行きです。"
                                               << "ミナトミライユキ";
    }

    void heardAfterCorrection()
    {
        QFETCH(QString, text);
        QFETCH(QString, heard);
        const QString said = pronunciation(Readings().apply(text));
        if (said.isEmpty())
            QSKIP("Open JTalk is not installed");
        QVERIFY2(said.contains(heard), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(tst_Readings)
#include "tst_Readings.moc"
