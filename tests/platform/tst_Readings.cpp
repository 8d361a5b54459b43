#include "Readings.h"

#include "Cp932.h"

#include <QTest>

class tst_Readings : public QObject
{
    Q_OBJECT

private slots:
    void apply_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("お降り") << "お降りの方は、ボタンでお知らせください。"
                                << "おおりの方は、ボタンでお知らせください。";
        QTest::newRow("destination") << "このバスは、北部車庫行きです。"
                                     << "このバスは、北部車庫ゆきです。";
        QTest::newRow("destination in katakana") << "センター行きのバス"
                                                 << "センターゆきのバス";
        QTest::newRow("the verb stays") << "駅へ行きます。"
                                        << "駅へ行きます。";
        QTest::newRow("verb after a name") << "東京行きました"
                                           << "東京行きました";
        QTest::newRow("at the start") << "行きは"
                                      << "行きは";
        QTest::newRow("行き先 anywhere") << "行き先をご確認ください。"
                                         << "ゆきさきをご確認ください。";
        QTest::newRow("doors") << "前扉からお降りください。"
                               << "まえとびらからおおりください。";
        QTest::newRow("nothing to do") << "次は、桜ヶ丘です。"
                                       << "次は、桜ヶ丘です。";
        QTest::newRow("empty") << ""
                               << "";
    }

    void apply()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QCOMPARE(Readings().apply(text), read);
    }

    void userEntriesComeFirst_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("a name") << "次は、新田橋です。"
                                << "次は、にったばしです。";
        QTest::newRow("overrides the table") << "お降りの方"
                                             << "おりるの方";
        QTest::newRow("longest first") << "本町一丁目と本町"
                                       << "ほんまちいっちょうめとほんまち";
        QTest::newRow("table still applies") << "北部車庫行き"
                                             << "北部車庫ゆき";
        QTest::newRow("a replacement is not read again") << "新田"
                                                         << "しんでん";
    }

    void userEntriesComeFirst()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        Readings r;
        r.setUserEntries({{QStringLiteral("新田橋"), QStringLiteral("にったばし")},
                          {QStringLiteral("お降り"), QStringLiteral("おりる")},
                          {QStringLiteral("本町"), QStringLiteral("ほんまち")},
                          {QStringLiteral("本町一丁目"), QStringLiteral("ほんまちいっちょうめ")},
                          {QStringLiteral("新田"), QStringLiteral("しんでん")},
                          {QStringLiteral("しんでん"), QStringLiteral("X")}});
        QCOMPARE(r.apply(text), read);
    }

    void parseUserList_data()
    {
        using E = QList<Readings::Entry>;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<E>("entries");
        const E one{{QStringLiteral("新田橋"), QStringLiteral("にったばし")}};
        QTest::newRow("UTF-8") << QStringLiteral("新田橋,にったばし\n").toUtf8() << one;
        QTest::newRow("UTF-8 with BOM")
            << "\xEF\xBB\xBF" + QStringLiteral("新田橋,にったばし").toUtf8() << one;
        QTest::newRow("code page 932, CR LF") << Cp932::encode(u"新田橋,にったばし\r\n") << one;
        QTest::newRow("quotes and blanks")
            << QStringLiteral(" \"新田橋\" , \"にったばし\" \n").toUtf8() << one;
        QTest::newRow("comments and blank lines")
            << QStringLiteral("# 読み\n\n新田橋,にったばし\n").toUtf8() << one;
        QTest::newRow("a side missing") << QStringLiteral("新田橋\n,にったばし\n新田橋,\n").toUtf8() << E{};
        QTest::newRow("a comma in the reading stays")
            << QStringLiteral("ＪＲ,じぇいあーる,せん\n").toUtf8()
            << E{{QStringLiteral("ＪＲ"), QStringLiteral("じぇいあーる,せん")}};
        QTest::newRow("too long")
            << (QString(Readings::MaxEntryChars + 1, u'あ') + QStringLiteral(",い")).toUtf8() << E{};
    }

    void parseUserList()
    {
        using E = QList<Readings::Entry>;
        QFETCH(QByteArray, bytes);
        QFETCH(E, entries);
        QCOMPARE(Readings::parseUserList(bytes), entries);
    }

    void userListIsBounded()
    {
        QByteArray many;
        for (int i = 0; i < Readings::MaxUserEntries + 10; ++i)
            many += "w" + QByteArray::number(i) + ",r\n";
        QCOMPARE(Readings::parseUserList(many).size(), Readings::MaxUserEntries);
    }
};

QTEST_GUILESS_MAIN(tst_Readings)
#include "tst_Readings.moc"
