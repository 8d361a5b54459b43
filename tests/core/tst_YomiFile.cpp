#include "YomiFile.h"

#include "Cp932.h"

#include <QTest>

using Entries = QList<YomiFile::Entry>;

class tst_YomiFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Entries>("entries");
        const Entries one{{"新田橋", "にったばし"}};
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF新田橋,にったばし") << one;
        QTest::newRow("code page 932, CR LF") << Cp932::encode(u"新田橋,にったばし\r\n") << one;
        QTest::newRow("quotes, blanks, comments")
            << QByteArray("# 読み\n\n \"新田橋\" , \"にったばし\" \n") << one;
        QTest::newRow("a side missing") << QByteArray("新田橋\n,にったばし\n新田橋,\n") << Entries{};
        QTest::newRow("a comma in the reading stays")
            << QByteArray("ＪＲ,じぇいあーる,せん") << Entries{{"ＪＲ", "じぇいあーる,せん"}};
        QTest::newRow("too long") << QString(YomiFile::MaxEntryChars + 1, u'あ').toUtf8() + ",い"
                                  << Entries{};
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Entries, entries);
        QCOMPARE(YomiFile::parse(bytes), entries);
    }

    void append_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("unwritable");
        const Entries two{{"本町", "ほんまち"}, {"新田橋", "しんたばし"}};
        QTest::newRow("a new file is UTF-8")
            << QByteArray() << two << QByteArray("本町,ほんまち\n新田橋,しんたばし\n") << 2 << 0;
        QTest::newRow("a name already there is kept, not added")
            << QByteArray("# 読み\n新田橋,にったばし") << two
            << QByteArray("# 読み\n新田橋,にったばし\n本町,ほんまち\n") << 1 << 0;
        QTest::newRow("code page 932 with CR LF stays so")
            << Cp932::encode(u"新田橋,にったばし\r\n") << two
            << Cp932::encode(u"新田橋,にったばし\r\n本町,ほんまち\r\n") << 1 << 0;
        QTest::newRow("twice in one list, once in the file")
            << QByteArray() << Entries{{"本町", "ほんまち"}, {"本町", "もとまち"}}
            << QByteArray("本町,ほんまち\n") << 1 << 0;
        QTest::newRow("what would not read back is left out")
            << QByteArray()
            << Entries{{"A,B", "えーびー"}, {"\"x\"", "えっくす"}, {"#1", "いち"}, {"C", ""}, {"D", "でぃー"}}
            << QByteArray("D,でぃー\n") << 1 << 4;
        QTest::newRow("code page 932 cannot hold it")
            << Cp932::encode(u"本町,ほんまち\n") << Entries{{"①−橋", "いちばし"}}
            << Cp932::encode(u"本町,ほんまち\n") << 0 << 1;
    }

    void append()
    {
        QFETCH(QByteArray, existing);
        QFETCH(Entries, entries);
        QFETCH(QByteArray, file);
        QFETCH(int, added);
        QFETCH(int, unwritable);
        const YomiFile::Appended a = YomiFile::append(existing, entries);
        QCOMPARE(a.bytes, file);
        QCOMPARE(a.added.size(), added);
        QCOMPARE(a.unwritable.size(), unwritable);
        // Every line written reads back as written.
        for (const YomiFile::Entry &e : a.added)
            QVERIFY(YomiFile::parse(a.bytes).contains(e));
    }
};

QTEST_GUILESS_MAIN(tst_YomiFile)
#include "tst_YomiFile.moc"
