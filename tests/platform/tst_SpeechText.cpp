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
        QTest::newRow("sentences") << "次は、北口です。ご注意ください。"
                                   << QStringList{"次は、北口です。", "ご注意ください。"};
        QTest::newRow("lines joined") << "次は、\r\n北口です。。\n" << QStringList{"次は、北口です。"};
        QTest::newRow("blank lines dropped") << "次は\n\n  \n北口" << QStringList{"次は、北口"};
        QTest::newRow("punctuation only") << "。、！" << QStringList();
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
        QTest::newRow("at the commas") << QStringLiteral("県立総合運動公園入口、").repeated(40) + u'。' << 2;
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
        for (const QString &p : pieces)
            QVERIFY(p.toUtf8().size() <= SpeechText::MaxPieceBytes && !p.back().isHighSurrogate());
        QCOMPARE(pieces.join(QString()), text.left(SpeechText::MaxChars));
    }
};

QTEST_GUILESS_MAIN(tst_SpeechText)
#include "tst_SpeechText.moc"
