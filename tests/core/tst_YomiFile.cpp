#include "YomiFile.h"

#include "Cp932.h"

#include <QTest>

using Entries = QList<YomiFile::Entry>;

class tst_YomiFile : public QObject
{
    Q_OBJECT

private slots:
    // Quotes, blanks, comments, a side missing or too long; code page 932 and CR LF are read in append().
    void parse()
    {
        const QByteArray bytes = "# 読み\n\n \"新田橋\" , \"にったばし\" \n新田橋\n,にったばし\n新田橋,\n"
            + QString(YomiFile::MaxEntryChars + 1, u'あ').toUtf8() + ",い\nＪＲ,じぇいあーる,せん";
        QCOMPARE(YomiFile::parse(bytes), (Entries{{"新田橋", "にったばし"}, {"ＪＲ", "じぇいあーる,せん"}}));
    }

    void append_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("unwritable");
        const Entries two{{"本町", "ほんまち"}, {"新田橋", "しんたばし"}};
        QTest::newRow("a new file is UTF-8; a name twice in the list is added once")
            << QByteArray() << two + Entries{{"本町", "もとまち"}}
            << QByteArray("本町,ほんまち\n新田橋,しんたばし\n") << 2 << 0;
        QTest::newRow("a name already there is kept, not added; what would not read back is left out")
            << QByteArray("# 読み\n新田橋,にったばし")
            << two + Entries{{"A,B", "えーびー"}, {"\"x\"", "えっくす"}, {"#1", "いち"}, {"C", ""}}
            << QByteArray("# 読み\n新田橋,にったばし\n本町,ほんまち\n") << 1 << 4;
        QTest::newRow("code page 932 with CR LF stays so; what it cannot hold is left out")
            << Cp932::encode(u"新田橋,にったばし\r\n") << two + Entries{{"①−橋", "いちばし"}}
            << Cp932::encode(u"新田橋,にったばし\r\n本町,ほんまち\r\n") << 1 << 1;
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
