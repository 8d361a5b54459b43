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
        // So that the voice starts after its first words are made.
        QTest::newRow("the first sentence in clauses, the rest whole")
            << "次は、北口です。お降りの方は、ボタンで。"
            << QStringList{"次は、", "北口です。", "お降りの方は、ボタンで。"};
        QTest::newRow("lines joined") << "次は、\r\n北口です。。\n" << QStringList{"次は、", "北口です。"};
        QTest::newRow("blank lines dropped") << "次は\n\n  \n北口" << QStringList{"次は、", "北口"};
        QTest::newRow("punctuation only") << "。、！" << QStringList();
        QTest::newRow("no comma: after the first words")
            << "県立総合運動公園入口のバス停でお降りください。"
            << QStringList{"県立総合運動公園入口の", "バス停でお降りください。"};
        QTest::newRow("never after お or ご") << "バスが揺れますのでお気をつけください。"
                                              << QStringList{"バスが揺れますので", "お気をつけください。"};
        QTest::newRow("a short first sentence whole")
            << "お待たせしました。" << QStringList{"お待たせしました。"};
        QTest::newRow("a comma alone goes with the clause before")
            << "次は、、北口です。" << QStringList{"次は、、", "北口です。"};
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
