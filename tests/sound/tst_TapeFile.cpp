#include "TapeFile.h"

#include "Cp932.h"
#include "TapeWriter.h"

#include <QFile>
#include <QTest>

class tst_TapeFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entryCount");
        QTest::addColumn<QList<TapeEntry>>("entries");
        QTest::addColumn<int>("failedEntry");

        using E = QList<TapeEntry>;
        QTest::newRow("empty file") << QByteArray() << 0 << E{} << 0;
        QTest::newRow("quoted text with commas")
            << QByteArray("\"1,000 yen, please\",1,2\r\n") << 1 << E{{"1,000 yen, please", 1, 2}} << 0;
        QTest::newRow("unquoted text") << QByteArray("next stop,0,1\n") << 1 << E{{"next stop", 0, 1}} << 0;
        QTest::newRow("LF, CR LF and CR") << QByteArray("a,1,1\nb,2,2\r\nc,3,3\rd,4,4") << 4
                                          << E{{"a", 1, 1}, {"b", 2, 2}, {"c", 3, 3}, {"d", 4, 4}} << 0;
        QTest::newRow("blanks around fields")
            << QByteArray("  \"x\" , 1 ,\t2 \r\n") << 1 << E{{"x", 1, 2}} << 0;
        QTest::newRow("blanks inside quotes kept")
            << QByteArray("\" x \",0,0\n") << 1 << E{{" x ", 0, 0}} << 0;
        QTest::newRow("empty numbers are 0") << QByteArray("\"x\",,\n") << 1 << E{{"x", 0, 0}} << 0;
        QTest::newRow("16-bit limits")
            << QByteArray("\"x\",-32768,32767\n") << 1 << E{{"x", -32768, 32767}} << 0;
        QTest::newRow("fields past the third") << QByteArray("\"x\",1,2,3,4\n") << 1 << E{{"x", 1, 2}} << 0;
        QTest::newRow("blank line is no entry")
            << QByteArray("a,1,1\r\n\r\nb,0,0\r\n") << 2 << E{{"a", 1, 1}, {"b", 0, 0}} << 0;
        QTest::newRow("empty line at the end") << QByteArray("a,1,1\r\n\r\n") << 1 << E{{"a", 1, 1}} << 0;
        QTest::newRow("line of white space")
            << QByteArray("a,1,1\n \t\n\x81\x40\nb,0,0") << 2 << E{{"a", 1, 1}, {"b", 0, 0}} << 0;
        QTest::newRow("only blank lines") << QByteArray("\r\n\n  \r") << 0 << E{} << 0;
        QTest::newRow("bad entry counted without the blank lines")
            << QByteArray("\na,1,1\n\nbad\n\nc,0,0\n") << 3 << E{{"a", 1, 1}} << 2;
        QTest::newRow("number past 16 bits")
            << QByteArray("a,1,1\n\"b\",32768,0\nc,0,0\n") << 3 << E{{"a", 1, 1}} << 2;
        QTest::newRow("not a number") << QByteArray("\"x\",one,2\n") << 1 << E{} << 1;
        QTest::newRow("missing field") << QByteArray("a,1,1\n\"x\",1\n") << 2 << E{{"a", 1, 1}} << 2;
        QTest::newRow("text only") << QByteArray("\"x\"\n") << 1 << E{} << 1;
        QTest::newRow("quote not closed") << QByteArray("\"x,1,2\n") << 1 << E{} << 1;
        QTest::newRow("text after the closing quote") << QByteArray("\"x\"y,1,2\n") << 1 << E{} << 1;
        QTest::newRow("a quote may not run past its line") << QByteArray("\"x\n\",1,2\n") << 2 << E{} << 1;
        QTest::newRow("count goes on past a bad line")
            << QByteArray("a,1,1\nb,1,1\nbad\nd,1,1\ne,1,1\n") << 5 << E{{"a", 1, 1}, {"b", 1, 1}} << 3;
        // 表 is 95 5C and ソ is 83 5C: their trail byte is a backslash.
        QTest::newRow("code page 932")
            << Cp932::encode(u"\"次は、表町です。\",1,2\r\nソ,0,0\r\n") << 2
            << E{{QStringLiteral("次は、表町です。"), 1, 2}, {QStringLiteral("ソ"), 0, 0}} << 0;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entryCount);
        QFETCH(QList<TapeEntry>, entries);
        QFETCH(int, failedEntry);
        const TapeFile::Contents c = TapeFile::read(bytes);
        QCOMPARE(c.entryCount, entryCount);
        QCOMPARE(c.failedEntry, failedEntry);
        QCOMPARE(c.entries.size(), entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i) {
            QCOMPARE(c.entries[i].Text, entries[i].Text);
            QCOMPARE(c.entries[i].AdvanceFlag, entries[i].AdvanceFlag);
            QCOMPARE(c.entries[i].SoundFlag, entries[i].SoundFlag);
        }
    }

    void writtenEntriesReadBack()
    {
        const QList<TapeEntry> entries{{QStringLiteral("毎度ご乗車、ありがとうございます。"), 0, 1},
                                       {QStringLiteral("次は、桜ヶ丘です。"), 1, 2},
                                       {QString(), 0, 0}};
        for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n")}) {
            const TapeFile::Contents c = TapeFile::read(tapeFile(entries, end));
            QVERIFY(c.ok());
            QCOMPARE(c.entries, entries);
        }
    }

    void sampleAnnouncements()
    {
        QFile f(QStringLiteral(SAMPLE_DIR "/12tp.csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const TapeFile::Contents c = TapeFile::read(f.readAll());
        QVERIFY(c.ok());
        QCOMPARE(c.entryCount, 20);
        QCOMPARE(c.entries.size(), 20);
        QVERIFY(c.entries[0].Text.contains(QStringLiteral("1,000円札")));
        QCOMPARE(c.entries[0].AdvanceFlag, qint16(0));
        QCOMPARE(c.entries[0].SoundFlag, qint16(1));
        QCOMPARE(c.entries[1].Text,
                 QStringLiteral("次は、市役所前です。お降りの方は、お近くのボタンでお知らせください。"));
        QCOMPARE(c.entries[19].SoundFlag, qint16(3));
    }
};

QTEST_GUILESS_MAIN(tst_TapeFile)
#include "tst_TapeFile.moc"
