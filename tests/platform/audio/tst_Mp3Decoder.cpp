#include "Mp3Decoder.h"

#include <QFile>
#include <QTest>

class tst_Mp3Decoder : public QObject
{
    Q_OBJECT

    QByteArray m_buzzer;
    Pcm m_whole;

private slots:
    void initTestCase()
    {
        QFile f(QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        m_buzzer = f.readAll();
        m_whole = Mp3Decoder::decode(m_buzzer);
        QVERIFY2(m_whole.ok(), qPrintable(m_whole.error));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<double>("least"); // samples, to the whole sample's; none: refused
        QTest::addColumn<double>("most");
        QTest::newRow("a truncated file plays what it holds")
            << m_buzzer.left(m_buzzer.size() / 2) << false << 0.01 << 0.99;
        // The file is handed to mpg123 in slices of 64 KiB; frames cut across a slice's end must come out
        // whole. More than the copies' sum: only the ends are trimmed of the encoder's padding, and each
        // copy's info frame decodes as silence.
        QTest::newRow("longer than one feed") << m_buzzer.repeated(40) << false << 40.0 << 50.0;
        QTest::newRow("a tag and nothing else")
            << QByteArray("ID3\x04\x00\x00\x00\x00\x00\x00", 10) << false << 0.0 << 0.0;
        QTest::newRow("cancelled") << m_buzzer << true << 0.0 << 0.0;
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cancelled);
        QFETCH(double, least);
        QFETCH(double, most);
        const Pcm pcm = Mp3Decoder::decode(bytes, [cancelled] { return cancelled; });
        QCOMPARE(pcm.ok(), most > 0);
        if (most > 0)
            QCOMPARE(pcm.rate, m_whole.rate);
        const double ratio = double(pcm.samples.size()) / double(m_whole.samples.size());
        QVERIFY2(most > 0 ? ratio >= least && ratio < most : ratio == 0, qPrintable(QString::number(ratio)));
    }
};

QTEST_GUILESS_MAIN(tst_Mp3Decoder)
#include "tst_Mp3Decoder.moc"
