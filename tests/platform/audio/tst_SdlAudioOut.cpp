// The real mixer on SDL's dummy driver, in real time: the only test that takes seconds.

#include "SdlAudioOut.h"

#include "MidiWriter.h"
#include "WavWriter.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

class tst_SdlAudioOut : public QObject
{
    Q_OBJECT

    using Kind = AudioOut::Kind;
    const QString Tune = QStringLiteral(SAMPLE_DIR "/sounds/tune.mid");
    QTemporaryDir m_dir;
    SdlAudioOut m_audio;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName() : QString();
    }

private slots:
    void initTestCase() { QVERIFY(m_audio.isReady()); }

    void play_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("refusal"); // empty: it plays
        QTest::newRow("mid") << Tune << Kind::Midi << QString();
        QTest::newRow("mp3") << QStringLiteral(SAMPLE_DIR "/sounds/buzzer.mp3") << Kind::Mpeg << QString();
        QTest::newRow("wav of 8-bit at 8 kHz")
            << write("8k.wav", wavOf(1, 1, 8000, 8, QByteArray(800, '\x80'))) << Kind::Wave << QString();
        QTest::newRow("wav as mid") << write("tone.mid", toneWav(100)) << Kind::Midi << "not a MIDI file";
        // The mixer would decode it as music, under its lock; a WAV must be a RIFF WAVE.
        QTest::newRow("mp3 as wav") << write("mp3.wav", "ID3\x04") << Kind::Wave << "not a WAV file";
        // The mixer's conversion from 1 Hz writes past its buffer; a later format chunk must not hide it.
        QByteArray twoFormats = wavOf(1, 1, 1, 8, QByteArray(12174, '\x80'));
        twoFormats.insert(36, wavOf(1, 2, 44100, 16, {}).mid(12, 24));
        QTest::newRow("wav at 1 Hz") << write("1hz.wav", twoFormats) << Kind::Wave << "a rate of 1 Hz";
        // 32 MB at 8 kHz, 8-bit mono: about 12 minutes, 705 MB once converted.
        QTest::newRow("wav too long") << write("long.wav", wavOf(1, 1, 8000, 8, QByteArray(32 << 20, '\x80')))
                                      << Kind::Wave << "too long to play";
    }

    void play()
    {
        QFETCH(QString, file);
        QFETCH(Kind, kind);
        QFETCH(QString, refusal);
        const bool opens = refusal.isEmpty();
        QSignalSpy ended(&m_audio, &AudioOut::finished);
        QString error;
        QCOMPARE(m_audio.open(2, file, kind, &error), opens);
        QCOMPARE(error, refusal);
        m_audio.play(2);
        QCOMPARE(m_audio.isPlaying(2), opens);
        QVERIFY(!opens || ended.wait(10000)); // a refused file leaves nothing that could finish
        QCOMPARE(ended, opens ? QList<QVariantList>{{2}} : QList<QVariantList>());
        QVERIFY(!m_audio.isPlaying(2));
    }

    // A render's result waiting in the event queue when the channel is opened again takes no place of the
    // second open's song; a long song sounds while it is made, and the WAV opened over it ends once.
    void midiWhileItRenders()
    {
        QSignalSpy ended(&m_audio, &AudioOut::finished);
        QVERIFY(m_audio.open(3, Tune, Kind::Midi));
        m_audio.play(3);
        m_audio.waitForDecodes();
        QVERIFY(m_audio.open(3, write("silent.mid", midiNotes(0, 0)), Kind::Midi));
        m_audio.play(3);
        m_audio.waitForDecodes();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!m_audio.isPlaying(3) && !Mix_Playing(3));
        QVERIFY(m_audio.open(2, write("long.mid", midiNotes(240, 500, 3)), Kind::Midi)); // two minutes
        m_audio.play(2);
        QVERIFY(m_audio.isPlaying(2));
        QTRY_VERIFY(Mix_Playing(2));
        QVERIFY(m_audio.isDecoding(2));
        QVERIFY(m_audio.open(2, write("short.wav", toneWav(200)), Kind::Wave));
        m_audio.play(2);
        QVERIFY(ended.wait(5000));
        m_audio.waitForDecodes();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!m_audio.isPlaying(2));
    }
};

QTEST_MAIN(tst_SdlAudioOut)
#include "tst_SdlAudioOut.moc"
