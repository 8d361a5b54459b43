#include "Mp3Decoder.h"

#include <QFile>
#include <QTest>

class tst_Mp3Decoder : public QObject
{
    Q_OBJECT

    QByteArray m_buzzer;

private slots:
    void initTestCase()
    {
        QFile f(QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        m_buzzer = f.readAll();
    }

    void looksLikeMp3_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("mp3");
        QTest::newRow("frame sync") << QByteArray::fromHex("fff380c4") << true;
        QTest::newRow("ID3 tag") << QByteArray("ID3\x04\x00", 5) << true;
        QTest::newRow("RIFF") << QByteArray("RIFF\x24\x00\x00\x00WAVE", 12) << false;
        QTest::newRow("MIDI") << QByteArray("MThd\x00\x00\x00\x06", 8) << false;
        QTest::newRow("too short") << QByteArray::fromHex("fff3") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void looksLikeMp3()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, mp3);
        QCOMPARE(Mp3Decoder::looksLikeMp3(bytes), mp3);
    }

    void decodesTheSample()
    {
        QVERIFY(Mp3Decoder::looksLikeMp3(m_buzzer));
        const Pcm pcm = Mp3Decoder::decode(m_buzzer);
        QVERIFY2(pcm.ok(), qPrintable(pcm.error));
        QVERIFY(pcm.rate >= 8000 && pcm.rate <= 48000);
        QVERIFY(pcm.channels == 1 || pcm.channels == 2);
        const double seconds = double(pcm.samples.size()) / (pcm.rate * pcm.channels * 2);
        qInfo("%d Hz, %d channel(s), %.2f s", pcm.rate, pcm.channels, seconds);
        QVERIFY2(seconds > 0.1 && seconds < 5, qPrintable(QString::number(seconds)));
        const auto *s = reinterpret_cast<const qint16 *>(pcm.samples.constData());
        int peak = 0;
        for (qsizetype i = 0; i < pcm.samples.size() / 2; ++i)
            peak = qMax(peak, qAbs(int(s[i])));
        QVERIFY(peak > 3000);
    }

    void aFileLongerThanOneFeedIsDecodedWhole()
    {
        // The file is handed to mpg123 in slices of 64 KiB; frames cut across
        // a slice's end must come out whole.
        const int repeats = 40;
        const QByteArray many = m_buzzer.repeated(repeats);
        QVERIFY(many.size() > 2 * 64 * 1024);
        const Pcm one = Mp3Decoder::decode(m_buzzer);
        const Pcm all = Mp3Decoder::decode(many);
        QVERIFY2(all.ok(), qPrintable(all.error));
        QCOMPARE(all.rate, one.rate);
        QCOMPARE(all.channels, one.channels);
        // More than the copies' sum: only the ends of the whole are trimmed of
        // the encoder's padding, and each copy's info frame decodes as silence.
        const double ratio = double(all.samples.size()) / double(one.samples.size());
        QVERIFY2(ratio >= repeats && ratio < repeats * 1.25, qPrintable(QString::number(ratio)));
    }

    void aFileOverTheLimitIsRefused()
    {
        QByteArray huge = m_buzzer.repeated(int(Mp3Decoder::MaxFileBytes / m_buzzer.size()) + 1);
        QVERIFY(huge.size() > Mp3Decoder::MaxFileBytes);
        const Pcm pcm = Mp3Decoder::decode(huge);
        QVERIFY(!pcm.ok());
        QVERIFY(pcm.samples.isEmpty());
    }

    void truncatedFilePlaysWhatItHolds()
    {
        const Pcm whole = Mp3Decoder::decode(m_buzzer);
        const Pcm half = Mp3Decoder::decode(m_buzzer.left(m_buzzer.size() / 2));
        QVERIFY2(half.ok(), qPrintable(half.error));
        QVERIFY(half.samples.size() > 0 && half.samples.size() < whole.samples.size());
    }

    void noAudio_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a tag and nothing else") << QByteArray("ID3\x04\x00\x00\x00\x00\x00\x00", 10);
        QTest::newRow("text") << QByteArray(4000, 'x');
    }

    void noAudio()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!Mp3Decoder::decode(bytes).ok());
    }

    void cancelled()
    {
        const Pcm pcm = Mp3Decoder::decode(m_buzzer, [] { return true; });
        QVERIFY(!pcm.ok());
        QVERIFY(pcm.samples.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Mp3Decoder)
#include "tst_Mp3Decoder.moc"
