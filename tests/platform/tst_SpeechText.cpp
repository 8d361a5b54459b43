#include "SpeechText.h"

#include <QTest>

class tst_SpeechText : public QObject
{
    Q_OBJECT

private slots:
    void pieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("one sentence") << "次は、市役所前です。" << QStringList{"次は、市役所前です。"};
        QTest::newRow("sentences") << "次は、北口です。お忘れ物のないよう、ご注意ください。"
                                   << QStringList{"次は、北口です。", "お忘れ物のないよう、ご注意ください。"};
        QTest::newRow("no full stop") << "次は、北口" << QStringList{"次は、北口"};
        QTest::newRow("lines joined") << "次は、\r\n北口です。\n" << QStringList{"次は、北口です。"};
        QTest::newRow("blank lines dropped") << "次は\n\n  \n北口" << QStringList{"次は、北口"};
        QTest::newRow("punctuation only") << "。、！" << QStringList();
        QTest::newRow("stray full stops") << "北口です。。。" << QStringList{"北口です。"};
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("blanks") << " \t " << QStringList();
        QTest::newRow("digits speak") << "1,000" << QStringList{"1,000"};
    }

    void pieces()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        QCOMPARE(SpeechText::pieces(text), pieces);
    }

    void longTextsAreCut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        const QString clause = QStringLiteral("県立総合運動公園入口、"); // 11 characters, 33 bytes
        QTest::newRow("at the commas") << clause.repeated(40) + u'。' << 2;
        QTest::newRow("without commas") << QString(700, u'あ') << 3;
        QTest::newRow("surrogate pairs") << QString::fromUtf8("\xF0\xA0\xAE\x9F").repeated(400) << 2;
        QTest::newRow("beyond what is spoken") << QString(SpeechText::MaxChars + 5000, u'a') << 4;
    }

    void longTextsAreCut()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        const QStringList pieces = SpeechText::pieces(text);
        QCOMPARE(pieces.size(), count);
        QString joined;
        for (const QString &p : pieces) {
            QVERIFY(p.toUtf8().size() <= SpeechText::MaxPieceBytes);
            QVERIFY(!p.contains(u'\n'));
            QVERIFY(!p.isEmpty() && !p.back().isHighSurrogate());
            joined += p;
        }
        QCOMPARE(joined, text.left(SpeechText::MaxChars));
    }
};

QTEST_GUILESS_MAIN(tst_SpeechText)
#include "tst_SpeechText.moc"
